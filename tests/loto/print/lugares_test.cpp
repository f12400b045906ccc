#include <gtest/gtest.h>

#include <tuple>

#include "loto/print/lugares_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

constexpr qint16 E = floto::euromillones, G = floto::gordo, B = floto::bonoloto, P = floto::primitiva;

QString valores(std::initializer_list<std::optional<double>> lista) {
  QStringList textos;
  for (const std::optional<double>& v : lista) textos << (v ? QString::number(*v) : u"-"_s);
  return textos.join(u' ');
}

TEST(LugaresLoto, TheWindowPartsAndOffsetsOfEachGameAndSide) {
  // variac at margenIzq (topeSup 300): Frame1 Frame3 Width Label4 Label13 Label3, then the offsets.
  const std::tuple<qint16, qint32, const char*> variac[] = {
      {E, 3000, "6185 6500 9000 5900 2500 2780 3000 300"},
      {E, 2000, "5115 5500 7800 4955 1515 1665 2000 300"},
      {G, 3000, "7400 7600 10400 7500 2830 2780 3000 300"},
      {G, 1505, "4620 5005 7305 6460 1020 1170 1505 300"},
      {B, 4540, "7655 8040 - 7590 4255 4410 4540 300"},
      {P, 2001, "5116 5501 - 5051 1716 1871 2001 300"},
      {B, 2000, "4620 - - - - - 1505 80"},
      {P, 100, "4620 - - - - - 1505 80"}};
  for (const auto& [codigo, m, esperado] : variac) {
    qint32 margenIzq = m, topeSup = 300;
    const PartesLoto p = variacLoto(*juegoLoto(codigo), margenIzq, topeSup);
    EXPECT_EQ(valores({p.frame1, p.frame3, p.ancho, p.label4, p.label13, p.label3, margenIzq, topeSup}),
              QLatin1String(esperado))
        << codigo << ' ' << m;
  }
  // At the start and at close, by the old margenIzq: margenIzq topeSup Frame1 Frame3, then margenIzq topeSup
  // saved.
  const std::tuple<qint16, qint32, const char*> lados[] = {
      {E, 2000, "1860 605 - - 1860 510"}, {E, 2001, "4790 605 - - 4840 480"},
      {G, 2000, "3190 130 - - 1505 80"},  {G, 2001, "3190 130 7590 6690 3190 130"},
      {B, 0, "1505 155 - - 1505 155"},    {B, 4540, "4540 155 7655 8040 4540 155"},
      {P, 2000, "1505 155 - - 1505 155"}, {P, 2001, "4540 155 7655 8040 4540 155"}};
  for (const auto& [codigo, m, esperado] : lados) {
    const InicioLoto i = inicioLoto(*juegoLoto(codigo), m);
    const PosicionLoto c = posicionCerrar(*juegoLoto(codigo), m);
    EXPECT_EQ(valores({i.margenIzq, i.topeSup, i.frame1, i.frame3, c.margenIzq, c.topeSup}),
              QLatin1String(esperado))
        << codigo << ' ' << m;
  }
  for (const auto& [m, izquierda] : {std::pair{2000, 990.0}, {2001, 1831.0}, {4540, 4370.0}})
    EXPECT_EQ(izquierdaLabel15(m), izquierda) << m;
}

TEST(LugaresLoto, TheLeftCentreToggleAlternatesAndComparesAsText) {
  const std::tuple<qint16, const char*, const char*> casos[] = {
      {E, " 0", " 4840"},  {E, " 4840", " 0"}, {E, "1060", " 4840"},  {E, "1061", " 0"},
      {B, "", " 4540"},    {B, " 4540", " 0"}, {P, "160", " 4540"},   {P, "161", " 0"},
      {G, "abc", " 4540"}, {G, "-5000", " 0"}, {G, "10000", " 4540"}, {E, "99999", " 4840"}};
  for (const auto& [codigo, caja, esperada] : casos)
    EXPECT_EQ(conmutaPosicion(*juegoLoto(codigo), QLatin1String(caja)), QLatin1String(esperada))
        << codigo << " \"" << caja << '"';
}

}  // namespace
