// The properties of a file: who shows them, and the program's own window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QMap>

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
  const QMap<QString, QString> file = rows(*dialog, "archivo"), version = rows(*dialog, "version");
  EXPECT_EQ(QStringList({dialog->windowTitle(), file.value("Nombre:"), file.value("Carpeta:"),
                         version.value("Versión del producto:"), version.value("Nombre del producto:")}),
            QStringList({"Propiedades de " + kProgram.fileName(), kProgram.fileName(),
                         QDir::toNativeSeparators(kProgram.absolutePath()),
                         versionLabelText(kProgram.filePath()).mid(6), "Tiqueron"}));
  EXPECT_TRUE(file.value("Modificado:").contains(QString::number(kProgram.lastModified().date().year())));

  const TempFolder folder;
  folder.write("datos", QByteArray(3000, 'x'));
  const std::unique_ptr<QDialog> small = buildPropertiesDialog(folder.file("datos"), nullptr);
  EXPECT_EQ(rows(*small, "archivo").value("Tamaño:"), "2,93 kB (3000 bytes)");
  EXPECT_TRUE(rows(*small, "version").isEmpty());
  for (const QString& path : {folder.file("no_existe"), folder.path(), QString()})
    EXPECT_FALSE(buildPropertiesDialog(path, nullptr)) << qPrintable(path);
}

// A file manager that holds the request until the test answers it.
struct HeldRequest {
  FileManagerRequest request() {
    return [this](const QString& path, QObject* context, const FileManagerAnswer& answered) {
      asked << path;
      contexts << context;
      answer = answered;
    };
  }
  QStringList asked;
  QObjectList contexts;
  FileManagerAnswer answer;
};

TEST(ShowProperties, ReturnsBeforeTheFileManagerAnswersAndOpensTheOwnWindowWhenItFails) {
  for (const bool shown : {true, false}) {
    QWidget owner;
    HeldRequest fileManager;
    ASSERT_TRUE(showProperties(kProgram.filePath(), &owner, fileManager.request()));
    EXPECT_EQ(fileManager.asked, QStringList{kProgram.filePath()});
    EXPECT_EQ(fileManager.contexts, QObjectList{&owner});
    EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty());
    fileManager.answer(shown);
    const QList<QDialog*> dialogs = owner.findChildren<QDialog*>();
    ASSERT_EQ(dialogs.size(), shown ? 0 : 1);
    if (shown) continue;
    EXPECT_EQ(dialogs.first()->windowTitle(), "Propiedades de " + kProgram.fileName());
    EXPECT_TRUE(dialogs.first()->isVisible() && !QApplication::activeModalWidget());
  }
  // An answer that comes after its window was closed opens nothing.
  HeldRequest late;
  auto owner = std::make_unique<QWidget>();
  showProperties(kProgram.filePath(), owner.get(), late.request());
  owner.reset();
  const int windows = QApplication::topLevelWidgets().size();
  late.answer(false);
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
  // No file, nothing asked.
  HeldRequest nobody;
  EXPECT_FALSE(showProperties(kProgram.filePath() + ".no_existe", nullptr, nobody.request()));
  EXPECT_TRUE(nobody.asked.isEmpty());
}

}  // namespace
