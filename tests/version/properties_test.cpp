// The properties of a file: who shows them, and the program's own window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QMap>
#include <QTimer>

#include "tests/support/temp_folder.h"
#include "version/properties_dialog.h"
#include "version/show_properties_dialog.h"
#include "version/version_label.h"

namespace {

const QFileInfo kProgram(QStringLiteral(TIQUERON_EXE));

QMap<QString, QString> rows(const QDialog& dialog, const QString& formName) {
  QMap<QString, QString> texts;
  if (const auto* form = dialog.findChild<QFormLayout*>(formName))
    for (int row = 0; row < form->rowCount(); ++row)
      texts.insert(qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text(),
                   qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::FieldRole)->widget())->text());
  return texts;
}

TEST(PropertiesDialog, ShowsNameFolderSizeDatesAndVersionTexts) {
  const std::unique_ptr<QDialog> dialog = buildPropertiesDialog(kProgram.filePath(), nullptr);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->windowTitle(), "Propiedades de " + kProgram.fileName());
  const QMap<QString, QString> file = rows(*dialog, "archivo"), version = rows(*dialog, "version");
  EXPECT_EQ(file.value("Nombre:") + '|' + file.value("Carpeta:"),
            kProgram.fileName() + '|' + QDir::toNativeSeparators(kProgram.dir().path()));
  EXPECT_TRUE(file.value("Modificado:").contains(QString::number(kProgram.lastModified().date().year())));
  EXPECT_EQ(version.value("Versión del producto:"), versionLabelText(kProgram.filePath()).mid(6));
  EXPECT_EQ(version.value("Nombre del producto:"), "Tiqueron");

  const TempFolder folder;
  folder.write("datos", QByteArray(3000, 'x'));
  const std::unique_ptr<QDialog> small = buildPropertiesDialog(folder.file("datos"), nullptr);
  EXPECT_EQ(rows(*small, "archivo").value("Tamaño:"), "2,93 kB (3000 bytes)");
  EXPECT_TRUE(rows(*small, "version").isEmpty());
  for (const QString& path : {folder.file("no_existe"), folder.path(), QString()})
    EXPECT_FALSE(buildPropertiesDialog(path, nullptr)) << qPrintable(path);
}

TEST(ShowProperties, TheFileManagerIsAskedFirstAndTheOwnWindowOpensWhenItDoesNotAnswer) {
  for (const bool answers : {true, false}) {
    QStringList asked;
    QString title;
    QTimer::singleShot(0, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        title = dialog->windowTitle();
        dialog->reject();
      }
    });
    const PropertiesShownBy shownBy = showProperties(kProgram.filePath(), nullptr, [&](const QString& path) {
      asked << path;
      return answers;
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, QStringList{kProgram.filePath()});
    EXPECT_EQ(shownBy, answers ? PropertiesShownBy::System : PropertiesShownBy::Program);
    EXPECT_EQ(title, answers ? QString() : "Propiedades de " + kProgram.fileName());
  }
  const QString missing = kProgram.filePath() + ".no_existe";
  EXPECT_EQ(showProperties(missing, nullptr, [](const QString&) { return true; }), PropertiesShownBy::Nobody);
  EXPECT_EQ(mostrarPropiedades(missing, nullptr), PropertiesShownBy::Nobody);
}

}  // namespace
