#include "version/properties_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "version/version_record_file.h"

namespace {

const QLocale& spanish() {
  static const QLocale locale(QLocale::Spanish, QLocale::Spain);
  return locale;
}

QString sizeText(qint64 bytes) {
  const QString exact = spanish().toString(bytes) + QStringLiteral(" bytes");
  if (bytes < 1024) return exact;
  return spanish().formattedDataSize(bytes, 2, QLocale::DataSizeTraditionalFormat) + QStringLiteral(" (") +
         exact + QLatin1Char(')');
}

QString dateText(const QDateTime& when) {
  return spanish().toString(when, QStringLiteral("dddd, d 'de' MMMM 'de' yyyy, H:mm:ss"));
}

// The names the version page of the system's sheet gives the usual entries.
QString versionLabel(const QString& key) {
  static const QList<QPair<QString, QString>> names{
      {QStringLiteral("FileDescription"), QStringLiteral("Descripción:")},
      {QStringLiteral("FileVersion"), QStringLiteral("Versión del archivo:")},
      {QStringLiteral("ProductName"), QStringLiteral("Nombre del producto:")},
      {QStringLiteral("ProductVersion"), QStringLiteral("Versión del producto:")},
      {QStringLiteral("CompanyName"), QStringLiteral("Compañía:")},
      {QStringLiteral("LegalCopyright"), QStringLiteral("Copyright:")},
      {QStringLiteral("OriginalFilename"), QStringLiteral("Nombre original del archivo:")},
      {QStringLiteral("InternalName"), QStringLiteral("Nombre interno:")},
      {QStringLiteral("Comments"), QStringLiteral("Comentarios:")},
  };
  for (const auto& [name, label] : names)
    if (name.compare(key, Qt::CaseInsensitive) == 0) return label;
  return key + QLatin1Char(':');
}

void addRow(QFormLayout* form, const QString& label, const QString& value) {
  auto* field = new QLabel(value);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(label, field);
}

QFrame* line() {
  auto* rule = new QFrame;
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  return rule;
}

}  // namespace

std::unique_ptr<QDialog> buildPropertiesDialog(const QString& path, QWidget* owner) {
  const QFileInfo file(path);
  if (!file.isFile()) return nullptr;

  auto dialog = std::make_unique<QDialog>(owner);
  dialog->setWindowTitle(QStringLiteral("Propiedades de ") + file.fileName());
  auto* page = new QVBoxLayout(dialog.get());

  auto* fileForm = new QFormLayout;
  fileForm->setObjectName(QStringLiteral("archivo"));
  addRow(fileForm, QStringLiteral("Nombre:"), file.fileName());
  addRow(fileForm, QStringLiteral("Carpeta:"), QDir::toNativeSeparators(file.absolutePath()));
  addRow(fileForm, QStringLiteral("Tamaño:"), sizeText(file.size()));
  const QDateTime created = file.birthTime();
  if (created.isValid()) addRow(fileForm, QStringLiteral("Creado:"), dateText(created));
  addRow(fileForm, QStringLiteral("Modificado:"), dateText(file.lastModified()));
  addRow(fileForm, QStringLiteral("Último acceso:"), dateText(file.lastRead()));
  page->addLayout(fileForm);

  const QList<QPair<QString, QString>> strings = fileVersionStrings(file.absoluteFilePath());
  if (!strings.isEmpty()) {
    page->addWidget(line());
    auto* versionForm = new QFormLayout;
    versionForm->setObjectName(QStringLiteral("version"));
    for (const auto& [key, text] : strings) addRow(versionForm, versionLabel(key), text);
    page->addLayout(versionForm);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
  page->addWidget(buttons);
  return dialog;
}
