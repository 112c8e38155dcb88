// The road as a document: the history of its edits, which can be undone and
// redone, the file it belongs to, and whether it differs from that file.
//
// theRoad stays the one road everything reads. Whoever changes it records
// the change here as one named step; the document then tells the views and
// the open dialogs, so that none of them has to ask another to redraw.
#ifndef VANTOREL_ROADDOCUMENT_H
#define VANTOREL_ROADDOCUMENT_H

#include <QObject>
#include <QString>
#include <QUndoStack>

class RoadSet;
class RoadSnapshot;

class RoadDocument : public QObject
{
    Q_OBJECT

public:
    // Why the road changed: an editor applied its own edit and already shows
    // it, or the road was replaced (opened, started anew, imported, undone,
    // redone) and every open editor should show it afresh.
    enum class Change { Edited, Replaced };
    // What a change touched, so that only its drawings are redrawn.
    enum Part { Alignment = 0x1, Profile = 0x2, CrossSections = 0x4, WholeRoad = 0x7 };
    Q_DECLARE_FLAGS(Parts, Part)

    // Each step keeps a copy of the road; this many are plenty to go back.
    static constexpr int kHistoryLimit = 100;

    explicit RoadDocument(QObject* parent = nullptr);
    ~RoadDocument() override;

    QUndoStack* history() { return &history_; }
    // The file the road was opened from or saved to; empty for a new road.
    QString filePath() const;
    bool isModified() const;

    // Records what changed in theRoad since `before` was taken as one step.
    void recordEdit(const QString& name, const RoadSnapshot& before, Parts parts,
                    Change why = Change::Edited);
    // theRoad was opened from a file or started anew: a fresh history.
    void startAfresh();
    // Saves theRoad to `path`, or to its own file when `path` is empty; the
    // saved state becomes the one that is not modified.
    bool save(const QString& path = QString());

signals:
    // The two reasons for a change; the views redraw the parts on either.
    void roadEdited(RoadDocument::Parts parts);
    void roadReplaced(RoadDocument::Parts parts);
    void modifiedChanged(bool modified);
    void filePathChanged(const QString& path);

private:
    class Step;

    // theRoad takes the content of `road` and keeps its own file.
    void replaceRoad(const RoadSet& road, Parts parts);
    void historyMoved();
    void tell(Change why, Parts parts);

    QUndoStack history_;
    Parts replaced_;  // by a step, told once the history has moved
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RoadDocument::Parts)

#endif  // VANTOREL_ROADDOCUMENT_H
