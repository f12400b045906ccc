#pragma once
// The platform services a window works with, handed to it when it is made:
// the real ones in the program, doubles in the tests.
class Dialogs;
class Printer;
class FileAttributes;

struct Platform {
  Dialogs& dialogs;
  Printer& printer;
  FileAttributes& attributes;
};
