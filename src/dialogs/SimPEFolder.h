#pragma once

class QLineEdit;
class QWidget;

// Lets the player choose the folder that holds SimPE.exe and puts it, with
// a closing "/", into `edit`. A cancelled chooser leaves the edit as it was.
// True when a folder was chosen.
bool chooseSimPEFolder(QWidget *parent, QLineEdit *edit);
