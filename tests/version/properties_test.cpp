// The properties of a file: who shows them, and the program's own window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMap>
#include <QTimer>

#include "tests/support/temp_folder.h"
#include "tests/version/record_fixtures.h"
#include "version/properties_dialog.h"
#include "version/show_properties_dialog.h"

namespace {

QMap<QString, QString> rows(const QDialog& dialog, const QString& formName) {
  QMap<QString, QString> texts;
  if (const auto* form = dialog.findChild<QFormLayout*>(formName)) {
    for (int row = 0; row < form->rowCount(); ++row) {
      const auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
      const auto* field = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget());
      texts.insert(label->text(), field->text());
    }
  }
  return texts;
}

struct Files {
  Files() {
    folder.write(QStringLiteral("Tiqueron"), elfWithRecord(recordBytes(recordContents(u"1.00.0051"))));
    folder.write(QStringLiteral("sin_version"), QByteArray(3000, 'x'));
    QDir(folder.path()).mkdir(QStringLiteral("carpeta"));
  }
  QString file(const char* name) const { return folder.file(QString::fromLatin1(name)); }
  TempFolder folder;
};

// Runs `show` and answers the modal window it opens, if any, with its title.
QString titleOfModalWindowDuring(const std::function<void()>& show) {
  QString title;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      title = dialog->windowTitle();
      dialog->reject();
    }
  });
  show();
  QCoreApplication::processEvents();
  return title;
}

TEST(PropertiesDialog, ShowsNameFolderSizeDatesAndVersionTexts) {
  const Files files;
  const std::unique_ptr<QDialog> dialog = buildPropertiesDialog(files.file("Tiqueron"), nullptr);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Propiedades de Tiqueron"));

  const QMap<QString, QString> file = rows(*dialog, QStringLiteral("archivo"));
  EXPECT_EQ(file.value(QStringLiteral("Nombre:")), QStringLiteral("Tiqueron"));
  EXPECT_EQ(file.value(QStringLiteral("Carpeta:")),
            QDir::toNativeSeparators(QDir::cleanPath(files.folder.path())));
  const qint64 size = QFileInfo(files.file("Tiqueron")).size();
  EXPECT_TRUE(
      file.value(QStringLiteral("Tamaño:"))
          .endsWith(QLocale(QLocale::Spanish, QLocale::Spain).toString(size) + QStringLiteral(" bytes")))
      << qPrintable(file.value(QStringLiteral("Tamaño:")));
  EXPECT_TRUE(
      file.value(QStringLiteral("Modificado:")).contains(QString::number(QDate::currentDate().year())));

  const QMap<QString, QString> version = rows(*dialog, QStringLiteral("version"));
  EXPECT_EQ(version.value(QStringLiteral("Versión del producto:")), QStringLiteral("1.00.0051"));
  EXPECT_EQ(version.value(QStringLiteral("Versión del archivo:")), QStringLiteral("2.00.0007"));
  EXPECT_EQ(version.value(QStringLiteral("Nombre del producto:")), QStringLiteral("Prueba"));
}

TEST(PropertiesDialog, SizesFromAKilobyteAlsoShowTheRoundedSize) {
  const Files files;
  const std::unique_ptr<QDialog> dialog = buildPropertiesDialog(files.file("sin_version"), nullptr);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(rows(*dialog, QStringLiteral("archivo")).value(QStringLiteral("Tamaño:")),
            QStringLiteral("2,93 kB (3000 bytes)"));
  EXPECT_TRUE(rows(*dialog, QStringLiteral("version")).isEmpty());
}

TEST(PropertiesDialog, NothingForAMissingFileOrAFolder) {
  const Files files;
  EXPECT_FALSE(buildPropertiesDialog(files.file("no_existe"), nullptr));
  EXPECT_FALSE(buildPropertiesDialog(files.file("carpeta"), nullptr));
  EXPECT_FALSE(buildPropertiesDialog(QString(), nullptr));
}

TEST(ShowProperties, TheFileManagerIsAskedFirstAndTheOwnWindowOpensWhenItDoesNotAnswer) {
  const Files files;
  for (const bool answers : {true, false}) {
    QStringList asked;
    PropertiesShownBy shownBy = PropertiesShownBy::Nobody;
    const QString title = titleOfModalWindowDuring([&] {
      shownBy = showProperties(files.file("Tiqueron"), nullptr, [&](const QString& path) {
        asked << path;
        return answers;
      });
    });
    EXPECT_EQ(asked, QStringList{files.file("Tiqueron")});
    EXPECT_EQ(shownBy, answers ? PropertiesShownBy::System : PropertiesShownBy::Program);
    EXPECT_EQ(title, answers ? QString() : QStringLiteral("Propiedades de Tiqueron"));
  }
}

TEST(ShowProperties, AMissingFileShowsNothingAndAsksNobody) {
  const Files files;
  bool asked = false;
  const QString title = titleOfModalWindowDuring([&] {
    EXPECT_EQ(showProperties(files.file("no_existe"), nullptr, [&](const QString&) { return asked = true; }),
              PropertiesShownBy::Nobody);
    EXPECT_EQ(mostrarPropiedades(files.file("no_existe"), nullptr), PropertiesShownBy::Nobody);
  });
  EXPECT_FALSE(asked);
  EXPECT_EQ(title, QString());
}

}  // namespace
