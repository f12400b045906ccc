#include "quiniela/comprobacion_quiniela.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>

#include "app/desarrollo/lector_campos.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/boleto_quiniela.h"

namespace {

enum Tipo : quint8 { Corta, Signo, Iguales, Repetida, Pleno };

const QVector<TipoProblema>& tipos() {
  static const QVector<TipoProblema> tabla{
      {QStringLiteral("Apuestas de menos de 14 signos"),
       [](const Problema& p) {
         return p.valor == 1 ? QStringLiteral("tiene 1 signo, menos de 14")
                             : QStringLiteral("tiene %1 signos, menos de 14").arg(p.valor);
       }},
      {QStringLiteral("Apuestas con un signo que no es 1, X ni 2"),
       [](const Problema& p) {
         return QStringLiteral("partido %1, signo %2 no es 1, X ni 2").arg(p.lugar).arg(p.citado());
       }},
      {QStringLiteral("Apuestas de 14 signos iguales"),
       [](const Problema& p) {
         return QStringLiteral("los 14 signos son %1, columna que separa bloques").arg(p.citado());
       }},
      {QStringLiteral("Apuestas iguales a otra anterior"),
       [](const Problema& p) { return QStringLiteral("igual que la apuesta %1").arg(p.valor); }},
      {QStringLiteral("Apuestas con un Pleno al 15 que no es 0, 1, 2 ni M"),
       [](const Problema& p) {
         const QString equipo = p.lugar == 1 ? QStringLiteral("local") : QStringLiteral("visitante");
         if (p.cuantos == 0) return QStringLiteral("Pleno al 15 %1, falta el signo").arg(equipo);
         return QStringLiteral("Pleno al 15 %1, signo %2 no es 0, 1, 2 ni M").arg(equipo, p.citado());
       }},
  };
  return tabla;
}

// 0, 1, 2 for the signs "1", "X", "2"; -1 for anything else.
struct Signos {
  qint8 valor[256];
  Signos() {
    std::fill(std::begin(valor), std::end(valor), qint8(-1));
    valor[quint8('1')] = 0;
    valor[quint8('X')] = 1;
    valor[quint8('2')] = 2;
  }
};
const Signos kSignos;

bool esSignoPleno(char c) {
  return c == '0' || c == '1' || c == '2' || c == 'M';
}

class Comprobador {
 public:
  explicit Comprobador(InformeComprobacion& informe) : informe_(informe) {}

  // Bet `apuesta` with its `n` signs (14 but in a short line) and, for the
  // first bet of a ticket, the Pleno al 15 signs it has (0 to 2).
  void apuesta(qint32 apuesta, qint32 linea, const char* signos, int n, const char* pleno, int nPleno) {
    Problema p;
    p.apuesta = apuesta;
    p.linea = linea;
    if (n < signosPorApuesta) anota(p, Corta, 0, nullptr, 0, n);
    quint32 indice = 0;
    bool validos = n == signosPorApuesta;
    for (int i = 0; i < n; ++i) {
      const qint8 v = kSignos.valor[quint8(signos[i])];
      if (v < 0) {
        anota(p, Signo, i + 1, signos + i, 1, 0);
        validos = false;
      }
      indice = indice * 3 + quint32(v);
    }
    if (validos) {
      if (std::all_of(signos, signos + n, [&](char c) { return c == signos[0]; }))
        anota(p, Iguales, 0, signos, 1, 0);
      qint32& primera = vistas()[indice];
      if (primera) {
        anota(p, Repetida, 0, nullptr, 0, primera);
      } else {
        primera = apuesta;
      }
    }
    if ((apuesta - 1) % apuestasPorBoleto == 0 && nPleno > 0) {
      for (int i = 0; i < 2; ++i)
        if (i >= nPleno || !esSignoPleno(pleno[i])) anota(p, Pleno, i + 1, pleno + i, i < nPleno ? 1 : 0, 0);
    }
  }

 private:
  void anota(Problema p, Tipo tipo, int lugar, const char* caracteres, int cuantos, qint32 valor) {
    p.tipo = tipo;
    p.lugar = quint8(lugar);
    p.cuantos = quint8(cuantos);
    for (int i = 0; i < cuantos; ++i) p.caracteres[i] = caracteres[i];
    p.valor = valor;
    informe_.anotar(p);
  }

  // The first bet of each of the 3^14 sign sets, 0 for none yet. The system
  // gives the zeroed pages only as they are written, so a small file costs
  // little of it.
  qint32* vistas() {
    if (!vistas_) vistas_.reset(static_cast<qint32*>(std::calloc(kCombinaciones, sizeof(qint32))));
    if (!vistas_) throw std::bad_alloc();
    return vistas_.get();
  }

  static constexpr size_t kCombinaciones = 4782969;  // 3^14
  struct Libera {
    void operator()(qint32* p) const { std::free(p); }
  };
  InformeComprobacion& informe_;
  std::unique_ptr<qint32[], Libera> vistas_;
};

bool sigue(const Progreso& progreso, qint32 apuesta, const LectorBloques& lector) {
  return sigueComprobando(progreso, apuesta, lector.usados(), lector.longitud());
}

}  // namespace

std::optional<InformeComprobacion> comprobarQuiniela(qint16 tipoFile, const QString& ruta,
                                                     const QString& nombreArchivo, const Progreso& progreso) {
  InformeComprobacion informe(nombreArchivo, tipos(), apuestasPorBoleto);
  Comprobador comprobador(informe);
  qint32 apuesta = 0;
  if (tipoFile == 1) {
    // Bet block at 11-122 of each ticket record, Pleno al 15 at 123-124.
    LectorRegistros lector(ruta, ArchivoAD243::longitudRegistro, ArchivoAD243::longitudRegistro);
    while (const char* registro = lector.siguiente()) {
      for (int b = 0; b < apuestasPorBoleto; ++b) {
        if (!sigue(progreso, ++apuesta, lector)) return std::nullopt;
        comprobador.apuesta(apuesta, 0, registro + 10 + signosPorApuesta * b, signosPorApuesta,
                            registro + 122, 2);
      }
    }
  } else {
    LectorCampos lector(ruta);
    for (CampoLeido campo; lector.siguiente(campo);) {
      if (!sigue(progreso, ++apuesta, lector)) return std::nullopt;
      const int n = int(qMin<qsizetype>(campo.longitud, signosPorApuesta + 2));
      const int nPleno = qMax(0, n - signosPorApuesta);
      comprobador.apuesta(apuesta, qint32(qMin<qint64>(campo.linea, std::numeric_limits<qint32>::max())),
                          campo.datos, qMin(n, signosPorApuesta),
                          nPleno ? campo.datos + signosPorApuesta : nullptr, nPleno);
    }
  }
  informe.terminar(apuesta);
  return informe;
}
