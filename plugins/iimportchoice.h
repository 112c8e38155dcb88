// An optional interface of an importer plug-in whose files can hold several
// data sets (alignments, say) of which the road takes one. The host hands it
// a chooser that asks the user; without one the importer takes the first.
#ifndef VANTOREL_IIMPORTCHOICE_H
#define VANTOREL_IIMPORTCHOICE_H

#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <functional>

class IImportChoice
{
public:
    // Asked during an import with a question and one line per data set:
    // the index of the one taken, or -1 when the user cancels.
    using Chooser = std::function<int(const QString& question, const QStringList& options)>;

    virtual ~IImportChoice() = default;

    // An empty chooser takes the first data set again.
    virtual void setChooser(Chooser chooser) = 0;
};

#define IImportChoice_iid "org.vantorel.Plugin.IImportChoice/1.0"
Q_DECLARE_INTERFACE(IImportChoice, IImportChoice_iid)

#endif  // VANTOREL_IIMPORTCHOICE_H
