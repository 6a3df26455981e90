#pragma once

// Seen only inside the framework.

class QDialog;
class QWidget;

// Runs dialog modally while one other window, a view the dialog picks colours from, still takes the
// mouse. Every other window's input stays held back, as under an application-modal dialog, and the
// program counts as having a modal dialog open. Answers the dialog's result.
int execLeavingOpen(QDialog& dialog, QWidget& open);

// Whether such a run is going on.
bool leavingOpenRunActive();
