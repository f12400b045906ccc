#include "loto/print/informacion_impresora.h"

#include "app/platform/numbers.h"

QString textoInformacionImpresora(const DatosImpresora& impresora, const AjustesLoto& ajustes) {
  const QString salto = QStringLiteral("\n");
  const auto fuente = [&](int i) { return numberText(i) + QLatin1Char(' ') + impresora.fonts.value(i); };

  QString texto = QStringLiteral(" Impresora=") + impresora.deviceName + QStringLiteral(",   ") +
                  impresora.driverName + salto;
  texto += QStringLiteral(" Nº Impresoras=") + numberText(double(impresora.fonts.size())) +
           QStringLiteral(" Fuente= ") + impresora.fontName + salto;
  for (int i = 1; i <= 5; ++i)
    texto += QStringLiteral(" Fuente Nº=") + fuente(i) + QStringLiteral("  ") + fuente(i + 5) +
             QStringLiteral("    ") + fuente(i + 10) + salto;
  texto += QStringLiteral(" Autoredraw= ") + boolText(ajustes.autoRedraw) + QStringLiteral(" Nº Página=  ") +
           numberText(impresora.page) + QStringLiteral("  Orientación= ") +
           numberText(impresora.orientation) + salto + salto;
  texto += QStringLiteral(" T.Loto= ") + numberText(ajustes.floto) + QStringLiteral(" Nº Ap/Bo=") +
           numberText(ajustes.nBole) + QStringLiteral(" Signo= ") + ajustes.signo +
           QStringLiteral(" Negrita= ") + boolText(ajustes.negrita) + salto;
  texto += QStringLiteral(" Tope Superior= ") + numberText(ajustes.topeSup) +
           QStringLiteral(" Margen Izquierdo= ") + numberText(ajustes.margenIzq) + salto;
  return texto;
}
