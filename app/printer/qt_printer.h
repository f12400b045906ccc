#pragma once
// Printer on top of QPrinter. Subclasses say where the output goes.
#include <QPrinter>
#include <QVector>
#include <memory>

#include "app/printer/printer.h"

class QtPrinter : public Printer {
 public:
  // A text document still open is sent, as the program's end would send it.
  ~QtPrinter() override;

  void printPage(const std::function<void(QPainter&)>& paint) override;
  void setFontSize(double points) override { fontSize_ = points; }
  double fontSize() const override { return fontSize_; }
  // Opens the text document on the first line (error 482 without a printer).
  void printLine(const QString& text) override;
  // Only within an open document: a page break with nothing to print would
  // leave a job pending that sends a blank sheet.
  void newPage() override;
  void endDoc() override;
  void killDoc() override;

  QString deviceName() const override;
  QString driverName() const override;
  QString fontName() const override;
  QStringList fonts() const override;
  int page() const override { return page_; }
  int orientation() const override;

 protected:
  // A printer for one new document; null when none can be had (error 482).
  virtual std::unique_ptr<QPrinter> newDocument() = 0;

 private:
  std::unique_ptr<QPrinter> openDocument();
  struct TextLine {
    double top;  // twips from the printable area's top
    QString text;
    double points;
  };
  void startPage();
  void closeTextDocument();
  // The text document is held until endDoc, like a spooled job, so killDoc
  // can drop it whole: print engines cannot take back what they have written.
  std::unique_ptr<QPrinter> textPrinter_;
  QVector<QVector<TextLine>> pages_;
  double fontSize_ = 8.25;
  double lineY_ = 0;
  int page_ = 1;
};

// The name every document of the program carries in the print queue.
inline const QString kPrintJobName = QStringLiteral("Tiqueron");

// The system's default printer.
class SystemPrinter : public QtPrinter {
 public:
  int cancelPendingJobs() override;

 protected:
  std::unique_ptr<QPrinter> newDocument() override;
};
