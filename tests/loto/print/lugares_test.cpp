#include <gtest/gtest.h>

#include <tuple>

#include "loto/print/lugares_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

const JuegoLoto& juego(qint16 codigo) {
  return *juegoLoto(codigo);
}

QString punto(const QPointF& p) {
  return u"%1,%2"_s.arg(p.x()).arg(p.y());
}
QString valor(const std::optional<double>& v) {
  return v ? QString::number(*v) : u"-"_s;
}

TEST(LugaresLoto, FramesAndFixedMarksFollowTheOffsets) {
  // At margenIzq 1500, topeSup 100: the game's frame, Frame7 (where shown), Label18, Label19.
  const std::pair<qint16, const char*> casos[] = {{floto::euromillones, "140,100 * -40,3440 -5,6200"},
                                                  {floto::gordo, "1500,100 * -40,3440 -5,6200"},
                                                  {floto::bonoloto, "1500,100 405,3280 -40,3440 -5,6200"},
                                                  {floto::primitiva, "1500,100 405,4570 -40,3440 -5,6200"}};
  for (const auto& [codigo, esperado] : casos) {
    const MarcosLoto m = marcosLoto(juego(codigo), 1500, 100);
    const QString reintegro = juego(codigo).conReintegro ? punto(m.reintegro) : u"*"_s;
    EXPECT_EQ(QStringList({punto(m.marco), reintegro, punto(m.label18), punto(m.label19)}).join(u' '),
              QLatin1String(esperado));
  }
}

TEST(LugaresLoto, VariacPlacesTheWindowPartsForEachGameAndSide) {
  // Game and margenIzq (topeSup 300): Frame1 Frame3 Width Label4 Label13 Label3, then the offsets.
  const std::tuple<qint16, qint32, const char*, const char*> casos[] = {
      {floto::euromillones, 3000, "6185 6500 9000 5900 2500 2780", "3000 300"},
      {floto::euromillones, 2000, "5115 5500 7800 4955 1515 1665", "2000 300"},
      {floto::gordo, 3000, "7400 7600 10400 7500 2830 2780", "3000 300"},
      {floto::gordo, 1505, "4620 5005 7305 6460 1020 1170", "1505 300"},
      {floto::bonoloto, 4540, "7655 8040 - 7590 4255 4410", "4540 300"},
      {floto::primitiva, 2001, "5116 5501 - 5051 1716 1871", "2001 300"},
      {floto::bonoloto, 2000, "4620 - - - - -", "1505 80"},
      {floto::primitiva, 100, "4620 - - - - -", "1505 80"}};
  for (const auto& [codigo, m, partes, despues] : casos) {
    qint32 margenIzq = m, topeSup = 300;
    const PartesLoto p = variacLoto(juego(codigo), margenIzq, topeSup);
    EXPECT_EQ(QStringList({valor(p.frame1), valor(p.frame3), valor(p.ancho), valor(p.label4),
                           valor(p.label13), valor(p.label3)})
                  .join(u' '),
              QLatin1String(partes))
        << codigo << ' ' << m;
    EXPECT_EQ(u"%1 %2"_s.arg(margenIzq).arg(topeSup), QLatin1String(despues)) << codigo << ' ' << m;
  }
}

TEST(LugaresLoto, InicioAndCerrarChooseTheSideByTheirThresholds) {
  // game, old margenIzq: margenIzq topeSup Frame1 Frame3
  const std::tuple<qint16, qint32, const char*> inicios[] = {
      {floto::euromillones, 2000, "1860 605 - -"}, {floto::euromillones, 2001, "4790 605 - -"},
      {floto::gordo, 2000, "3190 130 - -"},        {floto::gordo, 2001, "3190 130 7590 6690"},
      {floto::bonoloto, 0, "1505 155 - -"},        {floto::bonoloto, 4540, "4540 155 7655 8040"},
      {floto::primitiva, 2000, "1505 155 - -"},    {floto::primitiva, 2001, "4540 155 7655 8040"}};
  for (const auto& [codigo, m, esperado] : inicios) {
    const InicioLoto i = inicioLoto(juego(codigo), m);
    EXPECT_EQ(u"%1 %2 %3 %4"_s.arg(i.margenIzq).arg(i.topeSup).arg(valor(i.frame1), valor(i.frame3)),
              QLatin1String(esperado))
        << codigo << ' ' << m;
  }
  const std::tuple<qint16, qint32, qint32, qint32> cierres[] = {
      {floto::euromillones, 2000, 1860, 510}, {floto::euromillones, 2001, 4840, 480},
      {floto::gordo, 2000, 1505, 80},        {floto::gordo, 2001, 3190, 130},
      {floto::bonoloto, 2000, 1505, 155},    {floto::bonoloto, 2001, 4540, 155},
      {floto::primitiva, 2000, 1505, 155},   {floto::primitiva, 2001, 4540, 155}};
  for (const auto& [codigo, m, margenIzq, topeSup] : cierres) {
    const PosicionLoto p = posicionCerrar(juego(codigo), m);
    EXPECT_EQ(std::pair(p.margenIzq, p.topeSup), std::pair(margenIzq, topeSup)) << codigo << ' ' << m;
  }
  for (const auto& [m, izquierda] : {std::pair{2000, 990.0}, {2001, 1831.0}, {4540, 4370.0}})
    EXPECT_EQ(izquierdaLabel15(m), izquierda) << m;
}

TEST(LugaresLoto, TheLeftCentreToggleAlternatesAndComparesAsText) {
  const std::tuple<qint16, const char*, const char*> casos[] = {
      {floto::euromillones, " 0", " 4840"},   {floto::euromillones, " 4840", " 0"},
      {floto::euromillones, "1060", " 4840"}, {floto::euromillones, "1061", " 0"},
      {floto::bonoloto, "", " 4540"},         {floto::bonoloto, " 4540", " 0"},
      {floto::primitiva, "160", " 4540"},     {floto::primitiva, "161", " 0"},
      {floto::gordo, "abc", " 4540"},         {floto::gordo, "-5000", " 0"},
      {floto::gordo, "10000", " 4540"},       {floto::euromillones, "99999", " 4840"}};
  for (const auto& [codigo, caja, esperada] : casos)
    EXPECT_EQ(conmutaPosicion(juego(codigo), QLatin1String(caja)), QLatin1String(esperada))
        << codigo << " \"" << caja << '"';
}

}  // namespace
