#include "loto/textos_boletolo.h"

#include <QStringList>

#include "app/platform/numbers.h"

namespace textoslo {

namespace {
const QString salto = QStringLiteral("\n");
const QString cabecera = QStringLiteral("TIQUERON  Impresión de boletos  ");
}  // namespace

const QString tituloInicio =
    cabecera + QStringLiteral("*** BOLETOS DE LOTTOS, BONOLOTO:49/6, Euromillones 5/5, GORDO 54/5 ");
const QString tituloTablas = cabecera + QStringLiteral("*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5");

const QString mnuConfigura = QStringLiteral("&Configurar");
const QString mnuTiqueron = QStringLiteral("&Imprimir Bo+5");
const QString mnuMuno = QStringLiteral("&Repetir Bo ");
const QString mnufl = QStringLiteral("Abrir File?  ");
const QString mnuInfo = QStringLiteral("Info Imp ");
const QString mnuFI = QStringLiteral("Fin Impr");
const QString mnuAyuda = QStringLiteral("A&yuda");
const QString mnuSalir = QStringLiteral("&Salir");

const QString tituloConfiguracion = QStringLiteral("Configurar valores de la impresora");
const QString rotuloPosicion = QStringLiteral("Posición Bo: 0,  4840/ 4515");
const QString rotuloNegrita = QStringLiteral("Negrita (Negrita=V/ Normal=F )");
const QString rotuloSigno = QStringLiteral("Signo a usar  (o,x, X, *, etc..)");
const QString rotuloTamano = QStringLiteral("  (4-9) Tamaño, tipo de fuente.");
const QString rotuloApuestas = QStringLiteral("Nº de Apuestas/Boleto (4 6 8)");
const QString fuenteRejillas = QStringLiteral("Lucida Console");
const QString columnasApuestas = QStringLiteral("   1    2     3   4    5   6    7    8");
const QString pulseOpcion = QStringLiteral("Pulse OPCIÓN deseada !");
const QString archivos = QStringLiteral("Files");
const QString pasoInicial = QStringLiteral("   25");
const QString boletoN = QStringLiteral("Boleto Nº");

QString preguntaArchivo(const QString& nombreJuego, qint32 apuestas) {
  return QStringLiteral("     Tipo de Loto= ") + nombreJuego + salto +
         QStringLiteral(" Números de apuestas= ") + numberText(apuestas) + salto + salto + salto + salto +
         QStringLiteral("               Imprimir,                  No  ó                BORRAR?");
}
const QString juegoIncorrecto = QStringLiteral(" Este desarrollo no corresponde") + salto +
                                QStringLiteral(" con el tipo Impresión posible") + salto +
                                QStringLiteral("Desarrollo incorrecto!!");
const QString tituloPregunta = QStringLiteral("TIQUERON");
QString preguntaBorrar(const QString& nombre) {
  return QStringLiteral("Seguro que desea borrar el file") + salto + nombre + salto;
}
const QString tituloBorrar = QStringLiteral("Borrar File");
const QString desarrolloIncorrecto = QStringLiteral(" Este desarrollo no corresponde") + salto +
                                     QStringLiteral(" con el tipo Impresión posible");
const QString tituloDesarrolloIncorrecto = QStringLiteral("Desarrollo incorrecto!!");
const QString sinApuestasBinario = QStringLiteral(" No Existen apuestas?");
const QString sinApuestasTexto = QStringLiteral(" No existen Apuestas");
const QString tituloInformacion = QStringLiteral("Información Impresión");

namespace ayuda {
const QString configuracion =
    QStringLiteral(" Configura los diferentes valores, de entrada estan por defecto.") + salto +
    QStringLiteral(" Para GUARDAR los cambios, Salir por menú: <<Configurar>>.");
const QString cruz =
    QStringLiteral(
        "           Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar "
        "indicado") +
    salto + QStringLiteral("      Igualmente en el centro se puede introducir el salto de cada movimiento.");
const QString derecha =
    QStringLiteral("       Al hacer CliCK, permite desplazar la rejilla hacia la DERECHA");
const QString izquierda =
    QStringLiteral("      Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA");
const QString arriba = QStringLiteral("     Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA");
const QString abajo = QStringLiteral("      Al hacer CliCK, permite desplazar la rejilla hacia ABAJO");
const QString configurar =
    QStringLiteral("     Configura los valores de impresión de boletos ") + salto +
    QStringLiteral(" Cuando la impresora da problemas, pulse -Fin Impresora-: Cancela los trabajos ") +
    salto + QStringLiteral(" de impresión en la cola, termina toda la impresión y manda una nueva pagina.") +
    salto;
const QString restaurar = QStringLiteral("    Restaura desplazamientos, vuelve al punto inicial.");
const QString imprimeActual = QStringLiteral("   Imprime Boleto Actual o lo Repite");
const QString imprimeSiguiente = QStringLiteral("       Imprime el Boleto Siguiente.") + salto +
                                 QStringLiteral("  Obtenido el foco, se ejecuta al pulsar -SPACE-");
const QString anterior = QStringLiteral("     Visualiza el boleto Anterior.");
const QString siguiente = QStringLiteral("      Visualiza el boleto Siguiente.");
const QString apuestas =
    QStringLiteral(
        "     Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del mismo a "
        "imprimir. ") +
    salto + QStringLiteral("    Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir Tiqueron-.") +
    salto + QStringLiteral("    Esto permite imprimir de forma parcial el boleto.");
const QString posicion = QStringLiteral(
    "  Al hacer CliCK en la casilla, permite DESPLAZAR el bloque a la izquierda o al Centro, según el valor "
    "dado.");
const QString negrita =
    QStringLiteral("  Al hacer CliCK en la casilla, permite cambiar de Normal a NEGRITA.");
const QString reintegro =
    QStringLiteral(
        "  Debe marcarse el signo del -Reintegro-, en otro caso debe colocarlo en la Combinación") +
    salto + QStringLiteral("  para que al obtener el file AP???????.TXT lo introduzca en cada serie.");
const QString estrellas =
    QStringLiteral(
        "  Debe marcarse el signo de las -ESTRELLAS-, en otro caso debe colocarlo en la Combinación") +
    salto + QStringLiteral("  para que al obtener el file AE????????.TXT lo introduzca en cada serie.");
const QString clave =
    QStringLiteral(
        "  Marque el signo de la -Clave- en cada col., en otro caso debe colocarlo en la Combinación") +
    salto + QStringLiteral("  para que al obtener el file AG???????.TXT lo introduzca en cada serie.");
}  // namespace ayuda

const QString sinBoletoQueImprimir =
    QStringLiteral("No hay ningún boleto del archivo abierto en pantalla: no se imprime nada.");

QString reparacionCalibracion(bool tope, bool margen, qint32 topeSup, qint32 margenIzq) {
  QStringList tomados;
  if (tope) tomados << QStringLiteral("Tope Superior ") + QString::number(topeSup);
  if (margen) tomados << QStringLiteral("Margen Izquierdo ") + QString::number(margenIzq);
  if (tomados.isEmpty()) return QString();
  return QStringLiteral("\nSe toma la posición por defecto del juego para lo que configloi.cfg no daba: ") +
         tomados.join(QStringLiteral(", ")) + u'.';
}

}  // namespace textoslo
