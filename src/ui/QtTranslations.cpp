#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorla {

namespace {

constexpr const char* kTranslatorName = "vorla-qt-translations";

// The one translator, made on first use and owned by the application.
QTranslator& FinnishQtTexts() {
  QCoreApplication* application = QCoreApplication::instance();
  if (auto* existing = application->findChild<QTranslator*>(kTranslatorName)) return *existing;
  auto* translator = new QTranslator(application);
  translator->setObjectName(kTranslatorName);
  static_cast<void>(translator->load(QStringLiteral("qtbase_fi"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
  return *translator;
}

}  // namespace

bool UseQtTranslations(UiLanguage language) {
  QTranslator& finnish = FinnishQtTexts();
  // Installed at most once, so that one removal takes it away.
  QCoreApplication::removeTranslator(&finnish);
  if (language == UiLanguage::English) return true;
  return !finnish.isEmpty() && QCoreApplication::installTranslator(&finnish);
}

}  // namespace vorla
