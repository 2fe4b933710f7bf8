// The pictures: 28 distinct instruction icons in their family colours, command icons without a theme.
#include "banco_finestra.h"

#include "ui/icone.h"

#include <QImage>
#include <QPainter>
#include <set>

namespace kobaltino {
namespace {

QImage disegna(int codice, int l = 121, int a = 34)
{
    QImage img(l, a, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    disegnaIconaIstruzione(p, img.rect(), codice);
    return img;
}

// The colour most pixels of the image share, ignoring transparent ones.
int pixelDelColore(const QImage& img, const QColor& colore, int tolleranza)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && std::abs(c.red() - colore.red()) <= tolleranza
                && std::abs(c.green() - colore.green()) <= tolleranza && std::abs(c.blue() - colore.blue()) <= tolleranza)
                ++n;
        }
    return n;
}

class Icone : public ::testing::Test {
protected:
    Icone() { applicazione(); }
};

TEST_F(Icone, VentottoIconeDiverse)
{
    std::vector<QImage> immagini;
    for (int c = 1; c <= 28; ++c)
        immagini.push_back(disegna(c));
    for (int a = 0; a < 28; ++a)
        for (int b = a + 1; b < 28; ++b)
            EXPECT_NE(immagini[a], immagini[b]) << "codes " << a + 1 << " and " << b + 1;
}

TEST_F(Icone, ColoreDellaFamiglia)
{
    // Each family paints its plate in its own colour: compare the plate of two members of
    // each family and one outsider.
    const std::vector<std::tuple<int, int, int>> famiglie = {
        {1, 7, 8}, {8, 12, 13}, {13, 26, 9}, {9, 14, 15}, {15, 28, 21}, {21, 21, 1}};
    for (const auto& [a, b, fuori] : famiglie) {
        const QColor piastraA = disegna(a).pixelColor(116, 17);
        const QColor piastraB = disegna(b).pixelColor(116, 17);
        const QColor piastraFuori = disegna(fuori).pixelColor(116, 17);
        EXPECT_EQ(piastraA, piastraB) << a << " " << b;
        EXPECT_NE(piastraA, piastraFuori) << a << " " << fuori;
    }
    std::set<QRgb> colori;
    for (Famiglia f : {Famiglia::Moto, Famiglia::Attesa, Famiglia::Memoria, Famiglia::Salto, Famiglia::Condizione,
                       Famiglia::Braccio})
        colori.insert(coloreFamiglia(f).rgb());
    EXPECT_EQ(colori.size(), 6u);
}

TEST_F(Icone, IlNomeSiLegge)
{
    // Black text on the light plate: every icon carries dark pixels where its name is written.
    for (int c = 1; c <= 28; ++c)
        EXPECT_GT(pixelDelColore(disegna(c).copy(45, 0, 76, 34), Qt::black, 60), 20) << c;
}

TEST_F(Icone, CodiceSconosciutoDisegnaComunqueQualcosa)
{
    const QImage ignota = disegna(0);
    QImage vuota(121, 34, QImage::Format_ARGB32);
    vuota.fill(Qt::transparent);
    EXPECT_NE(ignota, vuota);
    EXPECT_NE(disegna(29), vuota);
    for (int c = 1; c <= 28; ++c)
        EXPECT_NE(disegna(c), ignota) << c;
}

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
        EXPECT_EQ(immagini.back(), iconaComandoDisegnata(a).pixmap(24, 24).toImage());
    }
    for (size_t a = 0; a < immagini.size(); ++a)
        for (size_t b = a + 1; b < immagini.size(); ++b)
            EXPECT_NE(immagini[a], immagini[b]) << a << " " << b;
    EXPECT_TRUE(iconaComando(Azione::Chiudi).isNull());
}

}  // namespace
}  // namespace kobaltino
