#include "tests/support/pdf_printer.h"

#include <QDir>
#include <QFileInfo>

QStringList PdfPrinter::documents() const {
  QStringList written = begun_;
  written.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
  return written;
}

std::unique_ptr<QPrinter> PdfPrinter::newDocument() {
  if (unavailable_) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  begun_ << QDir(folder_).filePath(QString::asprintf("doc-%03d.pdf", int(begun_.size()) + 1));
  printer->setOutputFileName(begun_.last());
  return printer;
}
