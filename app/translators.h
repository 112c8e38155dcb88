// The translators of the user's language, Qt's own texts (standard buttons,
// file dialogs) and the program's, found beside the program whatever the
// directory it was started from.
#ifndef VANTOREL_TRANSLATORS_H
#define VANTOREL_TRANSLATORS_H

class QObject;
class QString;

// Installs "qt_<locale>" and "vantorel_<locale>", e.g. for "zh_CN". The
// translators are the owner's children and are removed with it. A missing
// catalogue is silent: its texts stay in English.
void installTranslators(QObject* owner, const QString& localeName);

#endif  // VANTOREL_TRANSLATORS_H
