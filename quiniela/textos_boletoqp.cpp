#include "quiniela/textos_boletoqp.h"


namespace textosqp {

const QString salto = QStringLiteral("\n");

const QString lineaCredito = QStringLiteral("Tiqueron");
const QString lineaContacto = QStringLiteral("    Dudas y consejos: menú Ayuda del programa.");
const QString textoPublicidad =
    QStringLiteral("   Tiqueron imprime cada boleto en su hoja, con las marcas en sus casillas.");

const QString tituloVentana =
    lineaCredito + QStringLiteral("  IMPRIME BOLETOS: QUINIELAS..   AD243,  *.TXT .....");

const QString instrucciones = salto + salto + QStringLiteral("      IMPRESIÓN DE BOLETOS QUINIELÍSTICOS") +
                              salto + QStringLiteral("    COLOQUE EL BOLETO EN LA IMPRESORA DE CABEZA ") +
                              salto + QStringLiteral("    CON LOS EQUIPOS AL PRINCIPIO.") + salto +
                              QStringLiteral("    LA 1ª APUESTA A IMPRIMIR ES LA NÚMERO UNO.") + salto +
                              lineaContacto + salto + QStringLiteral("    ") + lineaCredito +
                              QStringLiteral("               Inicio: -30, 2085");

const QString presentacion =
    QStringLiteral("   IMPRIME BOLETOS SENCILLOS DE QUINIELAS DE FUTBOL DE ESPAÑA") + salto +
    QStringLiteral(" ") + salto +
    QStringLiteral("   Imprime boletos quinielísticos, contenidos en el archivo <<AD243>>, ") + salto +
    QStringLiteral(" informatizado por la O.N.L.A.E., o bien archivos de texto (*.TXT) que") + salto +
    QStringLiteral(" contenga el desarrollo quinielístico.") + salto + textoPublicidad + salto +
    lineaContacto + salto;
const QString tituloPresentacion = lineaCredito + QStringLiteral("    Impresión de QUINIELAS!!!");

const QString consejosImpresora =
    QStringLiteral("       Si la impresora detecta códigos y pasa del boleto") + salto +
    QStringLiteral(" Se debe tapar el comienzo de la linea de separación de la banda ") + salto +
    QStringLiteral(" azul, que pone <<   LOTERIAS Y APUESTAS DEL ESTADO ...>>") + salto +
    QStringLiteral(" con un rectangulo de cinta adhesiva opaca (blanca) no transparente") + salto +
    QStringLiteral(" de 0,4 x 10 mm, pegada suavemente, que tape el principio de dicha,") + salto +
    QStringLiteral(" banda, después se quita para que el Receptor la valide.") + salto +
    QStringLiteral(" Bastaria con pintarla de blanco, con tipes, la separación entre ") + salto +
    QStringLiteral(" lo azul de la banda y lo blanco, la cinta adhesiva es mejor porque.") + salto +
    QStringLiteral(" no daña el boleto y se despega facilmente, cinta de carrocero, pintor.") + salto +
    QStringLiteral(" Tapar solo la línea de separación entre la banda azul y lo blanco.") + salto +
    QStringLiteral(" Es decir no es necesario tapar todos los códigos del boleto.") + salto +
    QStringLiteral("  El papel del boleto es de 104 x 150 mm o aproximado.") + salto + salto +
    QStringLiteral(" Si la impresora imprime los boletos en medio del papel,") + salto +
    QStringLiteral(" poner margen Izquierdo a 3100.");

const QString preguntaArchivo = QStringLiteral("Que archvo desea abrir:") + salto + salto +
                                QStringLiteral("      AD243 (Si)    ó     ") + QStringLiteral(" (No)");
const QString tituloPreguntaArchivo = QStringLiteral("Elegir archivo!");
const QString preguntaJornada =
    QStringLiteral("Introduzca Nº de Jornada!") + salto + QStringLiteral(" Ej: 02,12, Ej: 02,  12  23 ...");
const QString faltaJornada = QStringLiteral("Debe introducir la Jornada!!");
const QString tituloFaltaJornada = QStringLiteral("Imprimir Boletos");


const QString tituloConfiguracion =
    QStringLiteral("                          Configuración  valores de impresora :");
const QString rotuloApuestas = QStringLiteral("Nº de apuestas por Boleto,   PDF=8");
const QString rotuloNegrita = QStringLiteral("Negrita = Verdad / Normal= Falso ");
const QString rotuloSigno = QStringLiteral("Signo:(x)  x, o, *, » (Alt+175), «");
const QString rotuloTamano = QStringLiteral("Tamaño fuente (7/ 9 a 12) .");
const QString rotuloMargen = QStringLiteral("Margen Izquierdo 0 pdf, 3100.");
const QString pistaInicio = QStringLiteral(" Inicio: Margen(0)  -15,2270   (3100) -15,2145");
const QString reglaCaracteres = QStringLiteral(
    "0....5....10...15...20...25...30...35...40...45...50...55...60...65...70...75...80...85...90...95...100."
    ".5");
const QString verdadero = QStringLiteral("Verdadero");
const QString falso = QStringLiteral("Falso");

const QString columnasBoleto = QStringLiteral("     1  2  3   4  5   6  7   8");
const QString numerosPartido = [] {
  QString numeros;
  for (int partido = 1; partido <= 15; ++partido) {
    if (partido > 1) numeros += salto;
    numeros += QString::number(partido);
  }
  return numeros;
}();
const QString desplazarRejilla = QStringLiteral("    Desplazar Rejilla:         Restaurar");
const QString pasoInicial = QStringLiteral("   25");

namespace ayuda {
const QString impSiguiente = QStringLiteral(
    "  Permite imprimir el boleto SIGUIENTE, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2, que "
    "separan "
    "bloques.");
const QString repite = QStringLiteral(
    "  Permite imprimir el boleto actual, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2.");
const QString siguiente =
    QStringLiteral("  Estas teclas permiten desplazarse por el desarrollo sin imprimir");
const QString anterior = QStringLiteral("  Esta tecla desplaza Un boleto a la izquierda");
const QString atrasRapido = QStringLiteral(" Estas teclas permiten imprimir el boleto siguiente");
const QString derecha = QStringLiteral("  Al hacer CliCK, permite desplazar la rejilla hacia la DCHA");
const QString izquierda = QStringLiteral("  Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA");
const QString abajo = QStringLiteral("  Al hacer CliCK, permite desplazar la rejilla hacia ABAJO");
const QString arriba = QStringLiteral("  Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA");
const QString cruz =
    QStringLiteral("  Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar indicado") +
    salto + QStringLiteral("  Igualmente en el centro se puede introducir el salto de cada movimiento.");
const QString restaurar = QStringLiteral("  Al Hacer CLICK, Permite obtener la rejilla inicial.");
const QString paso = QStringLiteral(" Permite borrar e introducir nuevo desplazamiento  10 25 40 50 .. ");
const QString configuracion = QStringLiteral(
    " Permite configurar la posición de la impresión, modificando los diferentes valores que se indican");
const QString cerrar = QStringLiteral(" Guarda los valores y cierra la ventana");
const QString casillaConfiguracion =
    QStringLiteral(" Al marcar el campo, este se borra, y cambia al nuevo valor. ") + salto +
    QStringLiteral("  Tenga en cuenta los valores por defecto entre parentesis.") + salto +
    QStringLiteral(" Al pulsar ENTER se guarda y cierra la ventana.");
const QString columnas =
    QStringLiteral(
        " Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del mismo a "
        "imprimir.") +
    salto + QStringLiteral("  Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir Tiqueron-.") +
    salto + QStringLiteral("  Esto permite imprimir de forma parcial el boleto.");
const QString jornada =
    QStringLiteral(" Al pulsar sobre esta casilla se borra, permitiendo introducir la nueva jornada.");
const QString ventana = textoPublicidad + salto + lineaContacto;
}  // namespace ayuda

}  // namespace textosqp
