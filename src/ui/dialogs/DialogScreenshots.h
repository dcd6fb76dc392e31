#pragma once

#include <QString>

class QWidget;

namespace vorla {

// Renders a dialog, laid out as it would open, to a PNG file; false when the file cannot be
// written.
bool SaveDialogPng(QWidget& dialog, const QString& path);

// Writes the pictures of docs/screenshots into the folder, for "defuilan" 0 and 1:
// login-dialog-en.png and -fi.png (a first attempt with a stored user name and password) and
// language-pair-dialog-en.png and -fi.png (the modeless dialog of an account with the first
// further-language list, English to German chosen), web-dialog-en.png and -fi.png (an
// address typed over a history of two), progress-dialog-en.png and -fi.png (a document
// job a quarter through its download), save-dialog-en.png and -fi.png (a pane saved, with the
// Word filters), please-wait-dialog-en.png and -fi.png (a pane saved as a Word document) and
// speech-settings-dialog-en.png and -fi.png (the speech settings as stored).
// The settings live in memory and the
// per-user folders in a temporary folder, so nothing of the user's own is read or changed.
// False when a picture cannot be written.
bool SaveDialogScreenshots(const QString& folder);

}  // namespace vorla
