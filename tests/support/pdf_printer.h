#pragma once
// Printer double: every document becomes an A4 PDF file doc-001.pdf, doc-002.pdf ... in a folder, in the
// order begun; a PDF page is printable to its edges, so the printable area's top-left is the paper's.

#include "app/printer/qt_printer.h"

class PdfPrinter : public QtPrinter {
 public:
  explicit PdfPrinter(QString folder) : folder_(std::move(folder)) {}
  // Every later document fails as if no printer were there (error 482).
  void setUnavailable(bool unavailable) { unavailable_ = unavailable; }
  // The documents that reached paper (a cancelled one never does).
  QStringList documents() const;

  QString deviceName() const override { return QStringLiteral("PDF"); }
  QString driverName() const override { return QStringLiteral("Qt PDF"); }
  int cancelPendingJobs() override { return 0; }

 protected:
  std::unique_ptr<QPrinter> newDocument() override;

 private:
  QString folder_;
  QStringList begun_;
  bool unavailable_ = false;
};
