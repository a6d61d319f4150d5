#include "platform/DesktopSetup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt 6 asks for the standard button texts under "QPlatformTheme", which the Slovak catalogue
// does not have yet; it still holds them under the Qt 5 name "QDialogButtonBox".
class ButtonTexts : public QTranslator {
 public:
  ButtonTexts(const QTranslator* qt, QObject* parent) : QTranslator(parent), qt_(qt) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* disambiguation,
                    int n) const override {
    if (qstrcmp(context, "QPlatformTheme") != 0) return {};
    return qt_->translate("QDialogButtonBox", source, disambiguation, n);
  }

 private:
  const QTranslator* qt_;
};

}  // namespace

QString ProgramVersion() { return QStringLiteral(GRACEFUL_TREES_VERSION); }

QTranslator* InstallQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Slovak, QLocale::Slovakia), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(new ButtonTexts(translator, translator));
  return translator;
}

QIcon ProgramIcon() {
  // The resource lives in a static library, where nothing else would pull it in.
  Q_INIT_RESOURCE(icons);
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/graceful-trees-%1.png").arg(size), QSize(size, size));
  return icon;
}
