#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kavero::app {

bool SpeakQtDialogsIn(Language language) {
  const QString name = QStringLiteral("kaveroQtTranslator");
  auto* translator = QCoreApplication::instance()->findChild<QTranslator*>(name);
  if (translator == nullptr) {
    translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(name);
  }
  QCoreApplication::removeTranslator(translator);
  if (language != Language::kRussian) return true;
  if (translator->isEmpty() &&
      !translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace kavero::app
