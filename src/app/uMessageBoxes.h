#pragma once
// The program's standard message boxes, with the application's title as caption.

#include <QMessageBox>
#include <QString>

class QWidget;

// True exactly when Yes was pressed.
bool AskYesNo(const QString& Text);
// Yes, No or Cancel; closing the box with Escape or its close button is Cancel.
QMessageBox::StandardButton AskYesNoCancel(const QString& Text);
void ShowError(const QString& Text);
void ShowInfo(const QString& Text);

// The window that owns the boxes (the main window once it exists).
void SetMessageBoxOwner(QWidget* Owner);
