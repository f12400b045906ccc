// Cancelling what the program left in the system's print queue ("Fin Impr"),
// on CUPS systems: the queue is asked through libcups for the jobs of this
// user on the default printer that are not finished, and those named as the
// program names its documents are cancelled; other programs' jobs are left
// alone.
#include <cups/cups.h>

#include <QPrinterInfo>

#include "app/printer/qt_printer.h"

int SystemPrinter::cancelPendingJobs() {
  const QByteArray printer = QPrinterInfo::defaultPrinter().printerName().toUtf8();
  if (printer.isEmpty()) return 0;
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer.constData(), 1, CUPS_WHICHJOBS_ACTIVE);
  int cancelled = 0;
  for (int i = 0; i < count; ++i)
    if (QString::fromUtf8(jobs[i].title) == kPrintJobName &&
        cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.constData(), jobs[i].id, 0) == IPP_STATUS_OK)
      ++cancelled;
  cupsFreeJobs(count, jobs);
  return cancelled;
}
