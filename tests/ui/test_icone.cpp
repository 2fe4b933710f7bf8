// The pictures: 28 distinct instruction icons in their family colours, command icons without a theme.
#include "banco_finestra.h"

#include "ui/icone.h"

#include <QImage>
#include <QPainter>
#include <set>

namespace kobaltino {
namespace {

QImage disegna(int codice)
{
    QImage img(121, 34, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    disegnaIconaIstruzione(p, img.rect(), codice);
    return img;
}

void tutteDiverse(const std::vector<QImage>& immagini)
{
    for (size_t a = 0; a < immagini.size(); ++a)
        for (size_t b = a + 1; b < immagini.size(); ++b)
            EXPECT_NE(immagini[a], immagini[b]) << "pictures " << a << " and " << b;
}

class Icone : public ::testing::Test, private Avvio {};

// 28 pictures, all different; an unknown code still draws something, unlike any of the 28.
TEST_F(Icone, VentottoIconeDiverseNeiColoriDellaFamiglia)
{
    QImage vuota(121, 34, QImage::Format_ARGB32);
    vuota.fill(Qt::transparent);
    std::vector<QImage> immagini = {disegna(0)};
    EXPECT_NE(immagini[0], vuota);
    EXPECT_NE(disegna(29), vuota);
    for (int c = 1; c <= 28; ++c)
        immagini.push_back(disegna(c));
    tutteDiverse(immagini);

    // Each family paints its plate in its own colour: two members of a family alike, the six families apart.
    const auto piastra = [](int codice) { return disegna(codice).pixelColor(116, 17).rgb(); };
    const std::pair<int, int> famiglie[] = {{1, 7}, {8, 12}, {13, 26}, {9, 14}, {15, 28}, {21, 21}};
    std::set<QRgb> colori;
    for (const auto& [a, b] : famiglie) {
        EXPECT_EQ(piastra(a), piastra(b)) << a << " " << b;
        colori.insert(piastra(a));
    }
    EXPECT_EQ(colori.size(), 6u);
}

// Without an icon theme every command still gets a picture of its own.
TEST_F(Icone, IconeDeiComandiSenzaTema)
{
    QIcon::setThemeName(QStringLiteral("nessun-tema-installato"));
    QIcon::setThemeSearchPaths({});
    std::vector<QImage> immagini;
    for (Azione a : {Azione::Nuovo, Azione::Apri, Azione::Salva, Azione::Taglia, Azione::Copia, Azione::Incolla,
                     Azione::Compila, Azione::Cancella, Azione::CancellaTutto, Azione::GuidaInLinea}) {
        const QIcon icona = iconaComando(a);
        ASSERT_FALSE(icona.isNull()) << static_cast<int>(a);
        immagini.push_back(icona.pixmap(24, 24).toImage());
    }
    tutteDiverse(immagini);
}

}  // namespace
}  // namespace kobaltino
