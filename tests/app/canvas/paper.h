#pragma once
// Tests that print through the PDF printer double and read back the paper.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"

class PaperTest : public ::testing::Test {
 protected:
  QString document() const {
    EXPECT_EQ(printer.documents().size(), 1);
    return printer.documents().value(0);
  }
  QTemporaryDir folder;
  PdfPrinter printer{folder.path()};
};
