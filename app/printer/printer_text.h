#pragma once
// How text reaches the printer on this platform.
class QPrinter;

void setPrinterText(QPrinter& printer);
