// How the program's windows and controls reach assistive technology: the accessible
// interfaces we give in place of Qt's defaults where those tell a screen reader the
// wrong thing.
#pragma once

class QObject;
class QWidget;

// Installs our interfaces in front of Qt's own. Safe to call more than once; every
// SkinWindow calls it, so any window of the program is covered.
//  - A SkinWindow is a frame, or a dialog (modal while it is open) where it says so,
//    named by its caption.
//  - A combo box is named by its accessible name or label, never by its current text
//    (Qt does the latter on Linux, so a screen reader heard a value without its label).
//  - Widgets marked decorative are left out of their parent's children.
void installAccessibleInterfaces();

// Keeps a purely decorative widget (a line, a box of colour) out of the accessibility
// tree, so that reading and Tab go from control to control.
void markDecorative(QWidget *widget);
bool isDecorative(const QObject *object);

// Names every unnamed scroll bar in the window by its role; Qt leaves them unnamed.
// Every SkinWindow does this for itself before it is first shown.
void nameScrollBars(QWidget *window);
