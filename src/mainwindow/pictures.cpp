#include "mainwindow/pictures.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/window.h"

namespace mainwindow {
namespace {

// Pictures are designed on a 40 x 40 grid and scaled to the square they get.
class Canvas {
 public:
  Canvas(HDC dc, const RECT& area) : dc_(dc) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int side = std::min(width, height);
    scale_ = side / 40.0;
    left_ = area.left + (width - side) / 2;
    top_ = area.top + (height - side) / 2;
  }

  POINT At(double x, double y) const {
    return POINT{left_ + static_cast<LONG>(std::lround(x * scale_)),
                 top_ + static_cast<LONG>(std::lround(y * scale_))};
  }
  int Length(double value) const {
    return std::max(1, static_cast<int>(std::lround(value * scale_)));
  }

  void Line(double x1, double y1, double x2, double y2, double width, COLORREF colour) {
    Pen pen(*this, width, colour);
    const POINT a = At(x1, y1);
    const POINT b = At(x2, y2);
    MoveToEx(dc_, a.x, a.y, nullptr);
    LineTo(dc_, b.x, b.y);
  }

  // A closed shape; `outline` < 0 draws no outline.
  void Polygon(std::initializer_list<std::pair<double, double>> points, COLORREF fill,
               double outline, COLORREF lineColour) {
    std::vector<POINT> scaled;
    for (const auto& [x, y] : points) scaled.push_back(At(x, y));
    Brush brush(dc_, fill);
    Pen pen(*this, outline, lineColour);
    ::Polygon(dc_, scaled.data(), static_cast<int>(scaled.size()));
  }

  void Disc(double cx, double cy, double r, COLORREF fill) {
    Brush brush(dc_, fill);
    Pen pen(*this, -1, fill);
    const POINT a = At(cx - r, cy - r);
    const POINT b = At(cx + r, cy + r);
    Ellipse(dc_, a.x, a.y, b.x + 1, b.y + 1);
  }

  void Ring(double cx, double cy, double r, double width, COLORREF colour) {
    Pen pen(*this, width, colour);
    HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    const POINT a = At(cx - r, cy - r);
    const POINT b = At(cx + r, cy + r);
    Ellipse(dc_, a.x, a.y, b.x + 1, b.y + 1);
    SelectObject(dc_, oldBrush);
  }

  // An open arc of a circle, counter-clockwise from one point to another.
  void Arc(double cx, double cy, double r, double width, COLORREF colour, double fromX,
           double fromY, double toX, double toY) {
    Pen pen(*this, width, colour);
    const POINT a = At(cx - r, cy - r);
    const POINT b = At(cx + r, cy + r);
    const POINT from = At(fromX, fromY);
    const POINT to = At(toX, toY);
    ::Arc(dc_, a.x, a.y, b.x + 1, b.y + 1, from.x, from.y, to.x, to.y);
  }

  void Box(double x1, double y1, double x2, double y2, COLORREF fill) {
    const POINT a = At(x1, y1);
    const POINT b = At(x2, y2);
    RECT box{a.x, a.y, b.x, b.y};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc_, &box, brush);
    DeleteObject(brush);
  }

  void Frame(double x1, double y1, double x2, double y2, double width, COLORREF colour) {
    Polygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, colour, -1, colour);
    const double w = width;
    Polygon({{x1 + w, y1 + w}, {x2 - w, y1 + w}, {x2 - w, y2 - w}, {x1 + w, y2 - w}}, paper_, -1,
            paper_);
  }

  void Text(const char* text, double x1, double y1, double x2, double y2, int pointSize,
            COLORREF colour) {
    const POINT a = At(x1, y1);
    const POINT b = At(x2, y2);
    RECT box{a.x, a.y, b.x, b.y};
    HGDIOBJ oldFont = SelectObject(dc_, platform::UiFontSized(pointSize, true));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colour);
    DrawTextA(dc_, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc_, oldFont);
  }

  void set_paper(COLORREF paper) { paper_ = paper; }
  double scale() const { return scale_; }

 private:
  // Round-ended geometric pens; width < 0 selects no pen.
  class Pen {
   public:
    Pen(const Canvas& canvas, double width, COLORREF colour) : dc_(canvas.dc_) {
      if (width < 0) {
        old_ = SelectObject(dc_, GetStockObject(NULL_PEN));
        return;
      }
      LOGBRUSH brush{BS_SOLID, colour, 0};
      pen_ = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                          static_cast<DWORD>(canvas.Length(width)), &brush, 0, nullptr);
      old_ = SelectObject(dc_, pen_ ? static_cast<HGDIOBJ>(pen_) : GetStockObject(BLACK_PEN));
    }
    ~Pen() {
      SelectObject(dc_, old_);
      if (pen_) DeleteObject(pen_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

   private:
    HDC dc_;
    HPEN pen_ = nullptr;
    HGDIOBJ old_ = nullptr;
  };

  class Brush {
   public:
    Brush(HDC dc, COLORREF colour) : dc_(dc), brush_(CreateSolidBrush(colour)) {
      old_ = SelectObject(dc_, brush_);
    }
    ~Brush() {
      SelectObject(dc_, old_);
      DeleteObject(brush_);
    }
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;

   private:
    HDC dc_;
    HBRUSH brush_;
    HGDIOBJ old_;
  };

  HDC dc_;
  double scale_ = 1;
  int left_ = 0;
  int top_ = 0;
  COLORREF paper_ = RGB(255, 255, 255);
};

void DrawShield(Canvas& c, COLORREF ink, COLORREF accent, COLORREF paper) {
  c.Polygon({{20, 3}, {34, 8}, {33, 21}, {20, 37}, {7, 21}, {6, 8}}, accent, 2, ink);
  c.Line(13, 20, 18, 26, 3.5, paper);
  c.Line(18, 26, 28, 13, 3.5, paper);
}

}  // namespace

void DrawPicture(HDC dc, const RECT& area, Picture picture, COLORREF ink, COLORREF accent,
                 COLORREF paper) {
  Canvas c(dc, area);
  c.set_paper(paper);
  switch (picture) {
    case Picture::Main:
      c.Polygon({{4, 20}, {20, 6}, {36, 20}, {32, 20}, {20, 10}, {8, 20}}, ink, 1, ink);
      c.Polygon({{10, 19}, {20, 11}, {30, 19}, {30, 34}, {10, 34}}, ink, -1, ink);
      c.Box(17, 24, 23, 34, paper);
      c.Box(27, 7, 31, 14, ink);
      break;
    case Picture::Settings:
      for (int row = 0; row < 3; ++row) {
        const double y = 9 + row * 11;
        c.Frame(5, y - 4, 13, y + 4, 1.6, ink);
        c.Line(18, y, 35, y, 3, ink);
      }
      c.Line(6.5, 8.5, 9, 12, 2.2, accent);
      c.Line(9, 12, 15, 3, 2.2, accent);
      c.Line(6.5, 19.5, 9, 23, 2.2, accent);
      c.Line(9, 23, 15, 14, 2.2, accent);
      break;
    case Picture::CleanNow:
      c.Line(33, 4, 20, 21, 3, ink);
      c.Polygon({{14, 18}, {26, 25}, {21, 36}, {4, 33}}, ink, 1, ink);
      c.Line(10, 27, 7, 33, 1.5, paper);
      c.Line(15, 29, 12, 34.5, 1.5, paper);
      c.Line(20, 30, 17, 35, 1.5, paper);
      c.Line(29, 28, 37, 28, 2, accent);
      c.Line(33, 24, 33, 32, 2, accent);
      c.Line(7, 7, 13, 7, 2, accent);
      c.Line(10, 4, 10, 10, 2, accent);
      break;
    case Picture::SearchErase:
      c.Ring(16, 16, 10, 3.2, ink);
      c.Line(23.5, 23.5, 35, 35, 5, ink);
      c.Line(12, 12, 20, 20, 2.2, accent);
      c.Line(20, 12, 12, 20, 2.2, accent);
      break;
    case Picture::Options:
      c.Line(5, 10, 35, 10, 2.5, ink);
      c.Line(5, 20, 35, 20, 2.5, ink);
      c.Line(5, 30, 35, 30, 2.5, ink);
      c.Disc(13, 10, 4, accent);
      c.Disc(27, 20, 4, accent);
      c.Disc(18, 30, 4, accent);
      break;
    case Picture::FileShredder:
      c.Polygon({{11, 3}, {25, 3}, {29, 7}, {29, 18}, {11, 18}}, paper, 1.8, ink);
      c.Line(14, 9, 26, 9, 1.5, ink);
      c.Line(14, 13, 26, 13, 1.5, ink);
      c.Box(4, 17, 36, 24, ink);
      c.Box(7, 19.5, 33, 21.5, accent);
      for (int strip = 0; strip < 5; ++strip) {
        const double x = 10 + strip * 5;
        c.Line(x, 26, x + (strip % 2 ? 1 : -1), 36, 2, ink);
      }
      break;
    case Picture::Registry:
      c.Polygon({{13, 5}, {27, 5}, {27, 18}, {13, 18}}, accent, 1.8, ink);
      c.Polygon({{5, 21}, {19, 21}, {19, 34}, {5, 34}}, paper, 1.8, ink);
      c.Polygon({{21, 21}, {35, 21}, {35, 34}, {21, 34}}, paper, 1.8, ink);
      break;
    case Picture::Exit:
      c.Arc(20, 21, 13, 3.5, ink, 13, 9, 27, 9);
      c.Line(20, 4, 20, 20, 3.5, accent);
      break;
    case Picture::Help:
      c.Disc(20, 20, 17, accent);
      c.Text("?", 3, 3, 37, 37, static_cast<int>(std::lround(20 * c.scale() * 0.75)), paper);
      break;
    case Picture::Shield:
      DrawShield(c, ink, accent, paper);
      break;
    case Picture::Schedule:
      c.Disc(20, 20, 16, accent);
      c.Disc(20, 20, 12.5, paper);
      c.Line(20, 20, 20, 11, 2.5, ink);
      c.Line(20, 20, 26, 24, 2.5, ink);
      break;
  }
}

void DrawBanner(HDC dc, const RECT& area, COLORREF accent, COLORREF text) {
  const int width = area.right - area.left;
  constexpr int kBands = 48;
  for (int band = 0; band < kBands; ++band) {
    // Shades from the accent colour to two thirds of it.
    const double shade = 1.0 - (band / static_cast<double>(kBands - 1)) / 3.0;
    const COLORREF colour = RGB(static_cast<int>(GetRValue(accent) * shade),
                                static_cast<int>(GetGValue(accent) * shade),
                                static_cast<int>(GetBValue(accent) * shade));
    RECT strip{area.left + width * band / kBands, area.top, area.left + width * (band + 1) / kBands,
               area.bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &strip, brush);
    DeleteObject(brush);
  }
  const int height = area.bottom - area.top;
  const int mark = height - 20;
  RECT markArea{area.left + 18, area.top + 10, area.left + 18 + mark, area.top + 10 + mark};
  DrawPicture(dc, markArea, Picture::Shield, text, text, accent);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  HGDIOBJ oldFont = SelectObject(dc, platform::UiFontSized(20, true));
  RECT name{markArea.right + 14, area.top + 8, area.right - 16, area.top + height / 2 + 10};
  DrawTextA(dc, "Murvane", -1, &name, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
  SelectObject(dc, platform::UiFontSized(9, false));
  RECT line{markArea.right + 16, area.top + height / 2 + 12, area.right - 16, area.bottom - 6};
  DrawTextA(dc, "Privacy tracks cleaner", -1, &line, DT_LEFT | DT_TOP | DT_SINGLELINE);
  SelectObject(dc, oldFont);
}

}  // namespace mainwindow
