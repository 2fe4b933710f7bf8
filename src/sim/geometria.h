#pragma once

// Plane geometry of the arena: points in centimetres, x to the right, y upwards, angles in
// radians counter-clockwise from the x axis.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace kobaltino {

struct Punto {
    double x = 0, y = 0;

    Punto operator+(Punto p) const { return {x + p.x, y + p.y}; }
    Punto operator-(Punto p) const { return {x - p.x, y - p.y}; }
    Punto operator*(double k) const { return {x * k, y * k}; }
    bool operator==(const Punto&) const = default;
};

inline double prodottoScalare(Punto a, Punto b) { return a.x * b.x + a.y * b.y; }
inline double prodottoVettoriale(Punto a, Punto b) { return a.x * b.y - a.y * b.x; }
inline double lunghezza(Punto p) { return std::hypot(p.x, p.y); }
inline Punto versore(double angolo) { return {std::cos(angolo), std::sin(angolo)}; }

// `p` expressed in the robot's frame (ahead, to the left) moved to the world frame.
inline Punto daRobot(Punto centro, double direzione, double avanti, double sinistra)
{
    return centro + versore(direzione) * avanti + versore(direzione + std::numbers::pi / 2) * sinistra;
}

struct Segmento {
    Punto a, b;
    bool operator==(const Segmento&) const = default;
};

inline double distanzaDalSegmento(Punto p, Segmento s)
{
    const Punto ab = s.b - s.a;
    const double l2 = prodottoScalare(ab, ab);
    const double t = l2 > 0 ? std::clamp(prodottoScalare(p - s.a, ab) / l2, 0.0, 1.0) : 0.0;
    return lunghezza(p - (s.a + ab * t));
}

// Distance along the ray from `origine` in direction `d` (unit vector) to segment `s`, when the ray
// meets it.
inline std::optional<double> raggioSulSegmento(Punto origine, Punto d, Segmento s)
{
    const Punto e = s.b - s.a;
    const double den = prodottoVettoriale(d, e);
    if (std::abs(den) < 1e-12)
        return std::nullopt;
    const Punto w = s.a - origine;
    const double t = prodottoVettoriale(w, e) / den;
    const double u = prodottoVettoriale(w, d) / den;
    if (t < 0 || u < 0 || u > 1)
        return std::nullopt;
    return t;
}

// Normalises an angle in degrees into [0, 360).
inline double gradiNormali(double gradi)
{
    const double g = std::fmod(gradi, 360.0);
    return g < 0 ? g + 360.0 : g;
}

}  // namespace kobaltino
