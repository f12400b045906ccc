#pragma once
// How text reaches the system's printer on this platform.
class QPrinter;

void setPrinterText(QPrinter& printer);
