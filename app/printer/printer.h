#pragma once
// The default printer as the program uses it: whole pages holding a window's
// image, and a plain text document printed line by line.
#include <QString>
#include <QStringList>
#include <functional>

class QPainter;

class Printer {
 public:
  virtual ~Printer() = default;

  // Prints one page as a document of its own. `paint` draws in twips with the
  // origin at the printable area's top-left corner, at 1:1 physical scale.
  // Throws RuntimeError 482 when there is no printer or it refuses the job.
  virtual void printPage(const std::function<void(QPainter&)>& paint) = 0;

  // The text document: lines are printed one under the other from the top of
  // the page, starting a new page when one is full; endDoc sends it.
  virtual void setFontSize(double points) = 0;
  virtual double fontSize() const = 0;
  virtual void printLine(const QString& text) = 0;
  virtual void newPage() = 0;
  virtual void endDoc() = 0;
  virtual void killDoc() = 0;
  // Cancels the jobs this program has sent to the default printer that the
  // system's print queue still holds; answers how many it cancelled.
  virtual int cancelPendingJobs() = 0;

  // What the printer-information box shows.
  virtual QString deviceName() const = 0;
  virtual QString driverName() const = 0;
  virtual QString fontName() const = 0;
  virtual QStringList fonts() const = 0;
  virtual int page() const = 0;         // current page of the text document, from 1
  virtual int orientation() const = 0;  // 1 portrait, 2 landscape
};
