#include "roaddocument.h"

#include "globals.h"
#include "roadsnapshot.h"

// One step of the history: the road on the other side of the step. Undo and
// redo trade it with theRoad, so one copy serves both directions.
class RoadDocument::Step : public QUndoCommand
{
public:
    Step(RoadDocument& document, const QString& name, const RoadSet& before, Parts parts)
        : QUndoCommand(name), document_(document), other_(before), parts_(parts)
    {}

    void undo() override { exchange(); }
    void redo() override
    {
        // The edit was made before it was recorded.
        if (recorded_) {
            recorded_ = false;
            return;
        }
        exchange();
    }

private:
    void exchange()
    {
        const RoadSet current = theRoad;
        document_.replaceRoad(other_, parts_);
        other_ = current;
    }

    RoadDocument& document_;
    RoadSet other_;
    Parts parts_;
    bool recorded_ = true;
};

RoadDocument::RoadDocument(QObject* parent) : QObject(parent)
{
    history_.setUndoLimit(kHistoryLimit);
    connect(&history_, &QUndoStack::indexChanged, this, &RoadDocument::historyMoved);
    connect(&history_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        theRoad.SetModified(!clean);
        emit modifiedChanged(!clean);
    });
}

RoadDocument::~RoadDocument() = default;

QString RoadDocument::filePath() const
{
    // The path is stored as the file system's 8-bit name.
    return QString::fromLocal8Bit(theRoad.FilePath());
}

bool RoadDocument::isModified() const
{
    return theRoad.IsModified();
}

void RoadDocument::recordEdit(const QString& name, const RoadSnapshot& before, Parts parts,
                              Change why)
{
    history_.push(new Step(*this, name, before.road(), parts));
    tell(why, parts);
}

void RoadDocument::startAfresh()
{
    history_.clear();
    theRoad.SetModified(false);
    tell(Change::Replaced, WholeRoad);
    emit filePathChanged(filePath());
}

bool RoadDocument::save(const QString& path)
{
    const QString previous = filePath();
    if (!theRoad.Save(path.toLocal8Bit().toStdString()))
        return false;
    history_.setClean();
    if (filePath() != previous)
        emit filePathChanged(filePath());
    return true;
}

void RoadDocument::replaceRoad(const RoadSet& road, Parts parts)
{
    const std::string file = theRoad.FilePath();
    theRoad = road;
    theRoad.SetFilePath(file);
    replaced_ = parts;
}

// The modified flag follows the history: back at the saved state, the road
// is as its file has it.
void RoadDocument::historyMoved()
{
    theRoad.SetModified(!history_.isClean());
    if (replaced_) {
        const Parts parts = replaced_;
        replaced_ = {};
        tell(Change::Replaced, parts);
    }
}

void RoadDocument::tell(Change why, Parts parts)
{
    if (why == Change::Edited)
        emit roadEdited(parts);
    else
        emit roadReplaced(parts);
}
