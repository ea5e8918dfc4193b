#pragma once
// The pages place each box beside the label that says what it holds, without
// a layout that would pair them. This pairs them by where they stand, so that
// a screen reader names every box by its label and the label's shortcut, if
// any, reaches the box.

class QWidget;

namespace tarnby::ui {

// Every box under `root` that a user types or picks in and that has no name
// gets the label on its left (on the same line, close by) or just above it as
// its buddy. A label already paired is not paired again.
void pairBoxesWithLabels(QWidget* root);

// From now on every window and dialog of the program pairs its boxes when it
// shows, its layout done by then. Once is enough; again does nothing.
void pairBoxesOnShow();

} // namespace tarnby::ui
