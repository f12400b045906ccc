#include "tests/support/pdf_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>

PdfPrinter::PdfPrinter(QString folder) : folder_(std::move(folder)) {}

QStringList PdfPrinter::documents() const {
  QStringList written;
  for (const QString& path : begun_)
    if (QFileInfo::exists(path)) written << path;
  return written;
}

std::unique_ptr<QPrinter> PdfPrinter::newDocument() {
  if (unavailable_) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  const QString path =
      QDir(folder_).filePath(QStringLiteral("doc-%1.pdf").arg(begun_.size() + 1, 3, 10, QLatin1Char('0')));
  printer->setOutputFileName(path);
  begun_ << path;
  return printer;
}
