// Glossy sphere faces: a surface pattern wrapped on a lit sphere with a glass highlight.

#include "artwork.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A point of the visible hemisphere: screen-space normal (y down) and surface angles.
struct SurfacePoint {
    double nx, ny, nz;
    double lon, lat;
};

using Pattern = std::function<Rgb(const SurfacePoint &)>;

Rgb rings(const SurfacePoint &p) {
    // Rings around an axis tilted towards the viewer, like a gilded target.
    const double ax = 0.35, ay = -0.30, az = 0.89;
    const double a = std::acos(std::clamp(p.nx * ax + p.ny * ay + p.nz * az, -1.0, 1.0));
    const double band = 0.5 + 0.5 * std::sin(a * 11.0);
    return mix(Rgb{0.45, 0.12, 0.02}, Rgb{1.0, 0.78, 0.25}, smoothstep(0.25, 0.75, band));
}

Rgb gasGiant1(const SurfacePoint &p) {
    const double t = p.lat + 0.07 * std::sin(p.lon * 3 + p.lat * 6) +
                     0.05 * (fbm3(p.nx * 3, p.ny * 9, p.nz * 3, 3) - 0.5);
    const double b = 0.5 + 0.35 * std::sin(t * 13) + 0.15 * std::sin(t * 29);
    Rgb c = mix(Rgb{0.55, 0.30, 0.14}, Rgb{0.98, 0.86, 0.66}, smoothstep(0.1, 0.9, b));
    // The storm.
    const double dx = (p.lon - 0.45) / 0.32, dy = (p.lat + 0.38) / 0.15;
    const double spot = dx * dx + dy * dy;
    if (spot < 1)
        c = mix(c, Rgb{0.78, 0.22, 0.10}, smoothstep(1.0, 0.3, spot));
    return c;
}

Rgb gasGiant2(const SurfacePoint &p) {
    const double turb = fbm3(p.nx * 4, p.ny * 4, p.nz * 4, 4);
    const double t = p.lat * 1.1 + 0.18 * std::sin(p.lon * 4 + turb * 6);
    const double b = 0.5 + 0.5 * std::sin(t * 10);
    Rgb c = mix(Rgb{0.18, 0.10, 0.48}, Rgb{0.35, 0.85, 0.95}, smoothstep(0.2, 0.8, b));
    return mix(c, Rgb{0.85, 0.95, 1.0}, smoothstep(0.62, 0.85, turb) * 0.6);
}

Rgb rainbow(const SurfacePoint &p) {
    // Red at the top left through the spectrum to violet at the bottom right.
    const double h = std::clamp((p.ny * 0.85 + p.nx * 0.35 + 1.0) / 2.0, 0.0, 1.0);
    return fromHsv(0.8 * h, 0.92, 1.0);
}

Rgb rainFlux(const SurfacePoint &p) {
    const double w = p.lon * 1.3 + p.lat * 1.6 + 0.35 * std::sin(p.lat * 6 + p.lon * 3);
    const double stripes = 0.5 + 0.5 * std::sin(w * 9);
    Rgb c = fromHsv(w * 0.28 + 0.1, 0.85, 0.55 + 0.45 * stripes);
    return mix(c, Rgb{1, 1, 1}, smoothstep(0.9, 1.0, stripes) * 0.5);
}

Rgb pixelix(const SurfacePoint &p) {
    static const Rgb tiles[] = {{0.95, 0.25, 0.2}, {0.2, 0.75, 0.3},  {0.2, 0.45, 0.95},
                                {0.98, 0.82, 0.1}, {0.75, 0.25, 0.9}, {0.1, 0.85, 0.85}};
    const double cells = 7.0 / kPi;
    const double u = (p.lon + kPi) * cells, v = (p.lat + kPi) * cells;
    const int cu = int(std::floor(u)), cv = int(std::floor(v));
    const int index = ((cu * 7 + cv * 13) ^ (cu * cv)) & 0xFFFF;
    const double fu = u - cu, fv = v - cv;
    const bool grout = fu < 0.12 || fv < 0.12;
    return grout ? Rgb{0.08, 0.08, 0.12} : tiles[index % 6];
}

Rgb vortex(const SurfacePoint &p) {
    const double r = std::sqrt(p.nx * p.nx + p.ny * p.ny);
    const double a = std::atan2(p.ny, p.nx);
    const double s = 0.5 + 0.5 * std::sin(a * 3 + r * 13);
    Rgb c = mix(Rgb{0.10, 0.0, 0.18}, Rgb{0.95, 0.25, 0.85}, smoothstep(0.3, 0.7, s));
    return mix(Rgb{1.0, 0.85, 1.0}, c, smoothstep(0.0, 0.25, r));
}

Rgb cables(const SurfacePoint &p) {
    // Four tubes wound around the ball, each with its own colour and a round cross-section.
    static const Rgb colours[] = {
        {0.9, 0.15, 0.1}, {0.1, 0.7, 0.2}, {0.95, 0.8, 0.1}, {0.15, 0.35, 0.95}};
    Rgb c{0.12, 0.12, 0.14};
    double best = 1e9;
    for (int i = 0; i < 4; ++i) {
        const double phase = p.lon * 2 + p.lat * (i % 2 ? 2.2 : -2.2) + i * kPi / 2;
        const double d = std::abs(std::sin(phase)); // 0 on the tube's axis
        if (d < 0.38 && d < best) {
            best = d;
            const double round = std::sqrt(1 - (d / 0.38) * (d / 0.38));
            c = mix(mix(Rgb{0, 0, 0}, colours[i], 0.35 + 0.65 * round), Rgb{1, 1, 1},
                    smoothstep(0.85, 1.0, round) * 0.35);
        }
    }
    return c;
}

Rgb clouds(const SurfacePoint &p) {
    const double n = fbm3(p.nx * 3.2 + 10, p.ny * 3.2, p.nz * 3.2, 5);
    const Rgb sky = mix(Rgb{0.15, 0.45, 0.9}, Rgb{0.45, 0.75, 1.0}, (p.lat + kPi / 2) / kPi);
    return mix(sky, Rgb{1, 1, 1}, smoothstep(0.45, 0.68, n));
}

Rgb blue(const SurfacePoint &p) {
    return mix(Rgb{0.05, 0.25, 0.85}, Rgb{0.0, 0.1, 0.45}, smoothstep(-0.6, 0.9, p.ny));
}

Rgb grey(const SurfacePoint &p) {
    return mix(Rgb{0.72, 0.72, 0.74}, Rgb{0.5, 0.5, 0.52}, smoothstep(-0.8, 0.9, p.ny));
}

struct Look {
    bool pressed = false;
    bool disabled = false;
};

// Renders at four times the size and scales down for smooth edges.
QImage sphere(int size, const Pattern &pattern, Look look) {
    const int ss = 4, s = size * ss;
    QImage big(s, s, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    const double radius = s / 2.0;
    // Light from the upper left at rest; a pressed ball is lit from below and sits deeper.
    const double lx = look.pressed ? 0.35 : -0.45, ly = look.pressed ? 0.45 : -0.6, lz = 0.72;
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const double nx = (x + 0.5 - radius) / radius, ny = (y + 0.5 - radius) / radius;
            const double r2 = nx * nx + ny * ny;
            if (r2 > 1.0)
                continue;
            const double nz = std::sqrt(1 - r2);
            SurfacePoint pt{nx, ny, nz, std::atan2(nx, nz), std::asin(-ny)};
            Rgb c = pattern(pt);
            if (look.disabled) {
                const double l = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
                c = mix(Rgb{l, l, l}, Rgb{0.75, 0.75, 0.76}, 0.5);
            }
            const double diffuse = std::max(0.0, (nx * lx + ny * ly + nz * lz) / ll);
            double shade = 0.32 + 0.78 * diffuse;
            shade *= 0.6 + 0.4 * std::pow(nz, 0.45); // darker rim
            if (look.pressed)
                shade *= 0.72 + 0.28 * smoothstep(-1.0, -0.1, ny); // shadow under the top edge
            Rgb lit{c.r * shade, c.g * shade, c.b * shade};
            // Reflected light along the lower rim.
            const double rim = smoothstep(0.55, 1.0, std::sqrt(r2)) * smoothstep(0.1, 0.9, ny);
            lit = mix(lit, mix(c, Rgb{1, 1, 1}, 0.3), rim * (look.pressed ? 0.2 : 0.45));
            // Specular point.
            const double hx = lx / ll, hy = ly / ll, hz = lz / ll + 1;
            const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            const double spec = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 60);
            lit = mix(lit, Rgb{1, 1, 1}, spec * (look.disabled ? 0.4 : 0.8));
            // The glass window reflection across the upper half.
            const double gx = nx / 0.64, gy = (ny + (look.pressed ? 0.42 : 0.5)) / 0.36;
            if (gx * gx + gy * gy < 1) {
                const double t = smoothstep(-1.0, 1.0, gy);
                const double edge = smoothstep(1.0, 0.8, gx * gx + gy * gy);
                const double strength = (look.pressed ? 0.35 : 0.7) * (look.disabled ? 0.6 : 1.0);
                lit = mix(lit, Rgb{1, 1, 1}, edge * strength * std::pow(1 - t, 1.4));
            }
            // A thin dark outline keeps the ball crisp on any background.
            lit = mix(lit, Rgb{0.05, 0.05, 0.08}, smoothstep(0.93, 1.0, std::sqrt(r2)) * 0.7);
            big.setPixel(x, y, toQRgb(lit));
        }
    }
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage disc(int size) {
    QImage mask(size, size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    const double r = size / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - r, dy = y + 0.5 - r;
            if (dx * dx + dy * dy <= r * r)
                mask.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return mask;
}

} // namespace

void makeSpheres(Output &out) {
    const Pattern patterns[10] = {rings,   gasGiant1, gasGiant2, rainbow, rainFlux,
                                  pixelix, vortex,    cables,    clouds,  blue};
    for (int i = 0; i < 10; ++i) {
        addImage(out, QStringLiteral("bmp/%1.png").arg(300 + i), sphere(32, patterns[i], {}));
        addImage(out, QStringLiteral("bmp/%1.png").arg(400 + i),
                 sphere(32, patterns[i], {true, false}));
    }
    addImage(out, QStringLiteral("bmp/600.png"), sphere(32, grey, {false, true}));
    addImage(out, QStringLiteral("bmp/705.png"), disc(32));
    addImage(out, QStringLiteral("bmp/706.png"), disc(16));
    addImage(out, QStringLiteral("bmp/707.png"), disc(64));
}

// Exposed for the logo and icons.
QImage glossySphere(int size, int pattern) {
    const Pattern patterns[10] = {rings,   gasGiant1, gasGiant2, rainbow, rainFlux,
                                  pixelix, vortex,    cables,    clouds,  blue};
    return sphere(size, patterns[pattern % 10], {});
}

} // namespace artwork
