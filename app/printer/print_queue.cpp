// Cancelling what the program left in the system's print queue ("Fin Impr").
//
// Linux and other CUPS systems: the queue is asked through libcups for the
// jobs of this user on the default printer that are not finished, and those
// named as the program names its documents are cancelled; other programs'
// jobs are left alone.
// Windows: the spooler would be asked the same through OpenPrinter, EnumJobs
// and SetJob(JOB_CONTROL_DELETE) on the default printer, for the jobs whose
// document name is the program's.
#include <QPrinterInfo>

#include "app/printer/qt_printer.h"

#ifdef TIQUERON_WITH_CUPS
#include <cups/cups.h>
#endif

int SystemPrinter::cancelPendingJobs() {
#ifdef TIQUERON_WITH_CUPS
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
#else
  return 0;
#endif
}
