#include "loto/files/comprobacion_loto.h"

#include <limits>
#include <vector>

#include "app/comprobacion/apuestas_vistas.h"
#include "app/desarrollo/lector_campos.h"
#include "loto/files/desarrollo_loto.h"
#include "loto/print/marcado_loto.h"

namespace {

constexpr int kCampos = int(kBytesApuesta);
constexpr int kLetras = kCaracteresApuesta;

enum Tipo : quint8 {
  DosCifras,
  Byte,
  NumeroFuera,
  NumeroRepetido,
  EstrellaFuera,
  EstrellaRepetida,
  ClaveFuera,
  ReintegroFuera,
  Marcado,
  Repetida
};

// Fields of a bet that hold values of one kind.
struct ReglaCampos {
  int primero;  // from 0
  int cuantos;
  int minimo, maximo;
  Tipo fuera;
  bool conjunto;  // values must differ; they then sum up as a set
  Tipo repetido;
};

// The extra boxes of each game, by kind.
ReglaCampos reglaExtra(ExtraLoto extra) {
  static const ReglaCampos reglas[] = {
      {5, 2, 1, 12, EstrellaFuera, true, EstrellaRepetida},  // Estrellas
      {5, 1, 0, 9, ClaveFuera, false, ClaveFuera},           // Clave
      {6, 1, 0, 9, ReintegroFuera, false, ReintegroFuera},   // Reintegro
  };
  return reglas[int(extra)];
}

QVector<TipoProblema> tipos(const JuegoLoto& juego) {
  // "campo 3, número 50 fuera de 1 a 49", "campo 4, número 7 repetido".
  const auto fuera = [](const QString& que, int minimo, int maximo) {
    return [=](const Problema& p) {
      return QStringLiteral("campo %1, %2 %3 fuera de %4 a %5")
          .arg(p.lugar)
          .arg(que)
          .arg(p.valor)
          .arg(minimo)
          .arg(maximo);
    };
  };
  const auto repetido = [](const QString& que, const QString& repetido) {
    return [=](const Problema& p) {
      return QStringLiteral("campo %1, %2 %3 %4").arg(p.lugar).arg(que).arg(p.valor).arg(repetido);
    };
  };
  return {
      {QStringLiteral("Apuestas con un campo que no son dos cifras"),
       [](const Problema& p) {
         return QStringLiteral("campo %1, %2 no son dos cifras").arg(p.lugar).arg(p.citado());
       }},
      {QStringLiteral("Apuestas con un byte fuera de 0 a 99"),
       [](const Problema& p) {
         return QStringLiteral("campo %1, byte %2 da %3, fuera de 0 a 99")
             .arg(p.lugar)
             .arg(p.valor)
             .arg(p.valor - kDesfaseByte);
       }},
      {QStringLiteral("Apuestas con un número fuera de 1 a %1").arg(juego.numMax),
       fuera(QStringLiteral("número"), 1, juego.numMax)},
      {QStringLiteral("Apuestas con un número repetido"),
       repetido(QStringLiteral("número"), QStringLiteral("repetido"))},
      {QStringLiteral("Apuestas con una estrella fuera de 1 a 12"), fuera(QStringLiteral("estrella"), 1, 12)},
      {QStringLiteral("Apuestas con una estrella repetida"),
       repetido(QStringLiteral("estrella"), QStringLiteral("repetida"))},
      {QStringLiteral("Apuestas con una clave fuera de 0 a 9"), fuera(QStringLiteral("clave"), 0, 9)},
      {QStringLiteral("Apuestas con un reintegro fuera de 0 a 9"), fuera(QStringLiteral("reintegro"), 0, 9)},
      {QStringLiteral("Apuestas que el marcado deja a medias"),
       [](const Problema& p) {
         if (p.lugar == 0)
           return QStringLiteral(
               "el marcado del boleto se para en esta apuesta: ni ella ni las siguientes se marcan");
         return QStringLiteral("el marcado se para en el campo %1: ni él ni los números siguientes se marcan")
             .arg(p.lugar);
       }},
      {QStringLiteral("Apuestas iguales a otra anterior"),
       [](const Problema& p) { return QStringLiteral("igual que la apuesta %1").arg(p.valor); }},
  };
}

bool esCifra(char c) {
  return c >= '0' && c <= '9';
}

class Comprobador {
 public:
  // `previstas`: about how many bets the file holds.
  Comprobador(const JuegoLoto& juego, InformeComprobacion& informe, qint64 previstas)
      : juego_(juego),
        informe_(informe),
        vistas_(previstas),
        reglas_{{0, juego.nnumeros, 1, juego.numMax, NumeroFuera, true, NumeroRepetido},
                reglaExtra(juego.extra)} {}

  // Bet `apuesta` as its 14 characters (seven two-digit fields); `bytes`,
  // for a binary file, the seven bytes they come from.
  void apuesta(qint32 apuesta, qint32 linea, const char* letras, const uchar* bytes) {
    Problema p;
    p.apuesta = apuesta;
    p.linea = linea;
    bool limpia = true;
    quint64 clave = 0;
    int desplazamiento = 0;
    for (const ReglaCampos& regla : reglas_) {
      quint64 vistos = 0;
      for (int k = regla.primero; k < regla.primero + regla.cuantos; ++k) {
        const char* campo = letras + 2 * k;
        int valor = -1;
        if (bytes && (bytes[k] < kDesfaseByte || bytes[k] > kDesfaseByte + 99)) {
          anota(p, Byte, k, nullptr, 0, bytes[k]);
        } else if (!esCifra(campo[0]) || !esCifra(campo[1])) {
          anota(p, DosCifras, k, campo, 2, 0);
        } else {
          valor = 10 * (campo[0] - '0') + campo[1] - '0';
          if (valor < regla.minimo || valor > regla.maximo) {
            anota(p, regla.fuera, k, nullptr, 0, valor);
            valor = -1;
          }
        }
        if (valor < 0) {
          limpia = false;
          continue;
        }
        const quint64 bit = quint64(1) << (valor - regla.minimo);
        if (regla.conjunto && (vistos & bit)) {
          anota(p, regla.repetido, k, nullptr, 0, valor);
          limpia = false;
        }
        vistos |= regla.conjunto ? bit : quint64(valor - regla.minimo + 1);
      }
      clave |= vistos << desplazamiento;
      desplazamiento += regla.conjunto ? regla.maximo - regla.minimo + 1 : 4;
    }

    char16_t texto[kLetras];
    for (int i = 0; i < kLetras; ++i) texto[i] = char16_t(uchar(letras[i]));
    const AlcanceMarcado alcance = alcanceMarcado(juego_, QStringView(texto, kLetras));
    if (alcance.cierraBoleto) {
      anota(p, Marcado, -1, nullptr, 0, 0);
    } else if (alcance.campos < juego_.nnumeros) {
      anota(p, Marcado, alcance.campos, nullptr, 0, 0);
    }
    if (limpia) vistas_.anotar(clave, apuesta);
    if (linea > 0) lineas_.push_back(linea);
  }

  // After the last bet, the bets equal to an earlier one; the report puts
  // their lines in order.
  void termina() {
    for (const auto& [apuesta, primera] : vistas_.repetidas()) {
      Problema p;
      p.apuesta = apuesta;
      p.linea = lineas_.empty() ? 0 : lineas_[size_t(apuesta - 1)];
      anota(p, Repetida, -1, nullptr, 0, primera);
    }
  }

 private:
  // `campo` from 0, -1 for none.
  void anota(Problema p, Tipo tipo, int campo, const char* caracteres, int cuantos, qint32 valor) {
    p.tipo = tipo;
    p.lugar = quint8(campo + 1);
    p.cuantos = quint8(cuantos);
    for (int i = 0; i < cuantos; ++i) p.caracteres[i] = caracteres[i];
    p.valor = valor;
    informe_.anotar(p);
  }

  const JuegoLoto& juego_;
  InformeComprobacion& informe_;
  ApuestasVistas vistas_;
  const ReglaCampos reglas_[2];
  std::vector<qint32> lineas_;  // of every bet of a text file
};

}  // namespace

std::optional<InformeComprobacion> comprobarLoto(const JuegoLoto& juego, qint16 tipoFile, const QString& ruta,
                                                 const QString& nomi, qint16 nBole,
                                                 const Progreso& progreso) {
  InformeComprobacion informe(nomi, tipos(juego), nBole);
  qint32 apuesta = 0;
  char letras[kLetras];
  if (tipoFile == 1) {
    LectorRegistros lector(ruta, kCabeceraBinaria, kCampos);
    Comprobador comprobador(juego, informe, lector.longitud() / kCampos);
    while (const char* registro = lector.siguiente()) {
      if (!sigueComprobando(progreso, ++apuesta, lector.usados(), lector.longitud())) return std::nullopt;
      const auto* bytes = reinterpret_cast<const uchar*>(registro);
      // As the ticket read writes them: two digits, "??" for a value no box has.
      for (int k = 0; k < kCampos; ++k) {
        const int valor = bytes[k] - kDesfaseByte;
        const bool cabe = valor >= 0 && valor <= 99;
        letras[2 * k] = cabe ? char('0' + valor / 10) : '?';
        letras[2 * k + 1] = cabe ? char('0' + valor % 10) : '?';
      }
      comprobador.apuesta(apuesta, 0, letras, bytes);
    }
    comprobador.termina();
  } else {
    LectorCampos lector(ruta);
    Comprobador comprobador(juego, informe, lector.longitud() / (kLetras + 2));  // lines of 14 and CR LF
    for (CampoLeido campo; lector.siguiente(campo);) {
      if (!sigueComprobando(progreso, ++apuesta, lector.usados(), lector.longitud())) return std::nullopt;
      // Its first 14 characters, blank-padded.
      const qsizetype n = qMin<qsizetype>(campo.longitud, kLetras);
      std::copy(campo.datos, campo.datos + n, letras);
      std::fill(letras + n, letras + kLetras, ' ');
      comprobador.apuesta(apuesta, qint32(qMin<qint64>(campo.linea, std::numeric_limits<qint32>::max())),
                          letras, nullptr);
    }
    comprobador.termina();
  }
  informe.terminar(apuesta);
  return informe;
}
