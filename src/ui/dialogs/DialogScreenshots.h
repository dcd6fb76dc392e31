#pragma once

#include <QString>

#include "common/UiLanguage.h"

class QWidget;

namespace vorla {

class TranslatorState;

// Renders a dialog, laid out as it would open, to a PNG file; false when the file cannot be
// written.
bool SaveDialogPng(QWidget& dialog, const QString& path);

// The "Log In" dialog of a first attempt with a stored user name and password.
bool SaveLoginDialogPng(UiLanguage language, const QString& path);

// The modeless "Select Language Pair" dialog over the state's pair, in the state's UI
// language.
bool SaveLanguagePairDialogPng(TranslatorState& state, const QString& path);

}  // namespace vorla
