#pragma once

#include <QPrinter>
#include <QString>

#include "common/Bilingual.h"
#include "ui/panes/TextPane.h"

namespace vorla {

inline constexpr BilingualText kPrintTranslationTitle = {"Translation (Vorla Tool)",
                                                         "Käännös (Vorla Tool)"};
inline constexpr BilingualText kPrintSourceTextTitle = {"Source text (Vorla Tool)",
                                                        "Käännettävä teksti (Vorla Tool)"};

// Names the print job after the title ("(Untitled)" without one): one copy, collated.
void PreparePrinter(QPrinter& printer, const QString& title);

// Prints the pane's text or selection page after page. The text stands in the printable
// area cut to whole inches, less 1000 twips on every side.
bool PrintPane(const TextPane& pane, QPrinter& printer, PaneRange range);

// "Print translation", "Print source text" and a result window's "Print...": the print
// dialog (a PDF file is one of its destinations), then the pane. False when the dialog was
// not answered with "Print" or printing failed.
bool PrintPaneWithDialog(const TextPane& pane, const QString& title, QWidget* owner);

}  // namespace vorla
