#pragma once
// The round trip of a lotto bet file as the window makes it. An input is the
// bet file followed by one byte of the window's state: the bets per ticket it
// reads with (the games' own or whatever the calibration box holds) and the
// game whose form marks the ticket.
#include <QByteArray>
#include <QString>
#include <functional>

// Counted when opened (`apuestas` of the file's bytes), checked, then the
// first ticket, the last and one past it read, each as `boleto` says of it
// (the bytes, the bets per ticket, the ticket and its text), and marked.
int fuzzLoto(const char* nombre, const uint8_t* data, size_t size,
             const std::function<qint64(const QByteArray&)>& apuestas,
             const std::function<bool(const QByteArray&, qint16, qint32, const QString&)>& boleto);
