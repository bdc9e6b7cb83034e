// Undo and redo of the deck's changes. Each change the user makes is one step that holds the deck whole
// before and after it, as a label design: undoing sets the deck back exactly, whatever handlers the change
// ran. Keystrokes in the code field, one after another, are one step.
#pragma once

#include <QObject>
#include <functional>

#include "label/sheet/LabelDesign.h"

class QUndoStack;

namespace quillon {

class TDeckUndo : public QObject {
public:
    using TSnapshot = std::function<TLabelDesign()>;
    using TRestore = std::function<void(const TLabelDesign&)>;

    // snapshot reads the deck; restore sets it, as opening a design does.
    TDeckUndo(TSnapshot snapshot, TRestore restore, QObject* parent);

    // The deck as it stands is where the history begins; the history is emptied.
    void Start();
    // A control changed: the step is taken once the event has run all its handlers, so that a change
    // that moves other controls too is one step. Changes while a step is undone or redone are its own.
    void Changed();
    void Undo();
    void Redo();
    QUndoStack* Stack() const { return FStack; }

private:
    void TakeStep(); // a step from the last state to the deck's, unless they are the same
    void Restore(const TLabelDesign& design);

    class TStep;
    TSnapshot FSnapshot;
    TRestore FRestore;
    QUndoStack* FStack = nullptr;
    TLabelDesign FState{};
    bool FStarted = false;
    bool FPending = false;
    bool FRestoring = false;
};

} // namespace quillon
