#pragma once

// Resource paths of every picture the program shows; the files live in src/resources and are
// drawn by src/resources/draw-pictures.sh.
namespace pictures {
inline constexpr char programIcon[] = ":/resources/rekenrups.ico";  // 32x32, 256 colours
inline constexpr char ringMeisje[] = ":/resources/imgmeisje.gif";   // 200x431
inline constexpr char ringWit[] = ":/resources/imgwit.gif";         // 212x275
inline constexpr char ringChinees[] = ":/resources/imgchinees.gif"; // 150x388
inline constexpr char ringKleur[] = ":/resources/imgkleur.gif";     // 250x277
inline constexpr char ringKleur2[] = ":/resources/imgkleur2.gif";   // 100x319
inline constexpr char ringKleur3[] = ":/resources/imgkleur3.gif";   // 227x400
inline constexpr char smallLogo[] = ":/resources/logo.gif";         // 32x28
inline constexpr char stopIcon[] = ":/resources/stop.ico";          // 32x32 + 16x16, 16 colours
inline constexpr char startIcon[] = ":/resources/start.ico";        // 32x32 + 16x16, 16 colours
inline constexpr char helpIcon[] = ":/resources/help.ico";          // 3 x 32x32: 16, 2, 16 colours
inline constexpr char checkIcon[] = ":/resources/check.ico";        // 32x32, 256 colours
inline constexpr char introButton[] = ":/resources/kombinnen.jpg";  // 150x180
inline constexpr char introSide[] = ":/resources/introzijkant.gif"; // 109x114
inline constexpr char portrait[] = ":/resources/plof.bmp";          // 32x32, 24-bit
inline constexpr char sun[] = ":/resources/zon.gif";                // 168x174
} // namespace pictures
