// Cancelling what the program left in the system's print queue ("Fin Impr"),
// on Windows: the spooler lists the jobs of the default printer, and those of
// this user named as the program names its documents that are not finished
// are deleted; other programs' and other users' jobs are left alone.
#include <windows.h>
#include <winspool.h>

#include <QPrinterInfo>
#include <string>
#include <vector>

#include "app/printer/qt_printer.h"

namespace {

constexpr DWORD kFinished =
    JOB_STATUS_DELETING | JOB_STATUS_DELETED | JOB_STATUS_PRINTED | JOB_STATUS_COMPLETE;

QString userName() {
  wchar_t name[256 + 1];
  DWORD size = sizeof(name) / sizeof(name[0]);
  return GetUserNameW(name, &size) ? QString::fromWCharArray(name) : QString();
}

std::vector<BYTE> jobList(HANDLE printer, DWORD& count) {
  DWORD needed = 0;
  count = 0;
  EnumJobsW(printer, 0, 0xFFFFFFFF, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> jobs(needed);
  if (needed == 0 || !EnumJobsW(printer, 0, 0xFFFFFFFF, 1, jobs.data(), needed, &needed, &count)) count = 0;
  return jobs;
}

}  // namespace

int SystemPrinter::cancelPendingJobs() {
  std::wstring name = QPrinterInfo::defaultPrinter().printerName().toStdWString();
  HANDLE printer = nullptr;
  if (name.empty() || !OpenPrinterW(name.data(), &printer, nullptr)) return 0;
  const QString user = userName();
  DWORD count = 0;
  const std::vector<BYTE> buffer = jobList(printer, count);
  const auto* jobs = reinterpret_cast<const JOB_INFO_1W*>(buffer.data());
  int cancelled = 0;
  for (DWORD i = 0; i < count; ++i) {
    const JOB_INFO_1W& job = jobs[i];
    const bool own = job.pDocument && QString::fromWCharArray(job.pDocument) == kPrintJobName &&
                     (!job.pUserName || QString::fromWCharArray(job.pUserName).compare(user, Qt::CaseInsensitive) == 0);
    if (own && !(job.Status & kFinished) && SetJobW(printer, job.JobId, 0, nullptr, JOB_CONTROL_DELETE))
      ++cancelled;
  }
  ClosePrinter(printer);
  return cancelled;
}
