#include "app/DeckUndo.h"

#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

namespace quillon {

namespace {

// Steps that change the code alone merge with one another.
constexpr int kCodeStep = 1;

bool OnlyCodeDiffers(const TLabelDesign& before, const TLabelDesign& after)
{
    TLabelDesign same = after;
    same.Code = before.Code;
    return before.Code != after.Code && same == before;
}

} // namespace

class TDeckUndo::TStep : public QUndoCommand {
public:
    TStep(TDeckUndo& owner, TLabelDesign before, TLabelDesign after)
        : FOwner(owner), FBefore(std::move(before)), FAfter(std::move(after))
    {
    }

    int id() const override { return OnlyCodeDiffers(FBefore, FAfter) ? kCodeStep : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const TStep*>(other);
        if (!(next->FBefore == FAfter) || !OnlyCodeDiffers(FBefore, next->FAfter))
            return false;
        FAfter = next->FAfter;
        return true;
    }

    // The change has been made when the step is pushed; only a redo after an undo makes it again.
    void redo() override
    {
        if (FDone)
            FDone = false;
        else
            FOwner.Restore(FAfter);
    }

    void undo() override { FOwner.Restore(FBefore); }

private:
    TDeckUndo& FOwner;
    TLabelDesign FBefore;
    TLabelDesign FAfter;
    bool FDone = true;
};

TDeckUndo::TDeckUndo(TSnapshot snapshot, TRestore restore, QObject* parent)
    : QObject(parent), FSnapshot(std::move(snapshot)), FRestore(std::move(restore)),
      FStack(new QUndoStack(this))
{
}

void TDeckUndo::Start()
{
    FStack->clear();
    FState = FSnapshot();
    FStarted = true;
    FPending = false;
}

void TDeckUndo::Changed()
{
    if (!FStarted || FRestoring || FPending)
        return;
    FPending = true;
    QTimer::singleShot(0, this, [this] {
        if (FPending)
            TakeStep();
    });
}

void TDeckUndo::TakeStep()
{
    FPending = false;
    TLabelDesign now = FSnapshot();
    if (now == FState)
        return;
    TLabelDesign before = std::exchange(FState, now);
    FStack->push(new TStep(*this, std::move(before), std::move(now)));
}

// A change not yet taken as a step is taken first, so that it is the one undone.
void TDeckUndo::Undo()
{
    if (FPending)
        TakeStep();
    FStack->undo();
}

void TDeckUndo::Redo()
{
    if (FPending)
        TakeStep();
    if (FStack->canRedo())
        FStack->redo();
}

void TDeckUndo::Restore(const TLabelDesign& design)
{
    FRestoring = true;
    FRestore(design);
    FRestoring = false;
    FPending = false;
    FState = FSnapshot();
}

} // namespace quillon
