// The yardstick for zemtar-forecast --batch: the least program that writes the
// same JSON Lines for a file of well-formed dates («23 8 1975» a line, as
// batch_bench makes them). It reads with getline, computes with core, formats
// with std::to_chars and memcpy and writes with fwrite; a line it cannot read
// ends it with exit status 1. Usage: minimal_batch FILE

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/aspect_names.h"
#include "core/forecast.h"

namespace {

char* put(char* p, const char* s) {
    const std::size_t n = std::strlen(s);
    std::memcpy(p, s, n);
    return p + n;
}

char* put(char* p, long long n) {
    return std::to_chars(p, p + 24, n).ptr;
}

char* putBool(char* p, bool b) {
    return put(p, b ? "true" : "false");
}

char* putAspects(char* p, const core::Forecast& f, const std::string (&names)[core::kAspectCount]) {
    p = put(p, "\"aspects\":[");
    for (int i = 0; i < core::kAspectCount; ++i) {
        const core::AspectValue& a = f.aspects[static_cast<std::size_t>(i)];
        p = put(put(put(p, i ? ",{\"caption\":\"" : "{\"caption\":\""), a.level), "\",\"digit\":");
        p = put(put(put(put(p, i + 1), ",\"level\":"), a.level), ",\"name\":\"");
        p = put(put(p, names[i].c_str()), "\",\"present\":");
        p = putBool(put(putBool(p, a.present), ",\"root\":"), a.root);
        p = put(p, "}");
    }
    p = put(p, "],\"axisColors\":[");
    for (std::size_t d = 0; d < f.axis.size(); ++d) {
        char hex[8];
        std::to_chars(hex, hex + 8, core::axisColorRgb(f.axis[d]) | 0x1000000U, 16);
        hex[7] = '\0';
        p = put(put(put(p, d ? ",\"#" : "\"#"), hex + 1), "\"");
    }
    return p;
}

char* putFigures(char* p, const core::Forecast& f) {
    p = put(p, "],\"curve\":[");
    for (std::size_t i = 0; i < f.curve.size(); ++i) {
        p = put(put(p, i ? ",[" : "["), f.curve[i].x + core::kScreenGridOrigin.x);
        p = put(put(put(p, ","), f.curve[i].y + core::kScreenGridOrigin.y), "]");
    }
    const std::string digits = f.digits.toStdString();
    p = put(put(put(put(p, "],\"digitCount\":"), f.digitCount), ",\"digits\":\""), digits.c_str());
    const std::string happiness = core::percentText(f.happinessPercent).toStdString();
    p = put(put(put(p, "\",\"happiness\":\""), happiness.c_str()), "\"");
    p = put(put(p, ",\"happinessPercent\":"), f.happinessPercent);
    p = put(p, ",\"levels\":[");
    for (std::size_t i = 0; i < digits.size(); ++i) {
        p = put(put(p, i ? "," : ""), digits[i] - '0');
    }
    p = put(put(put(put(p, "],\"lifeNumber\":"), f.lifeNumber.wide()), ",\"max\":"), f.largest);
    p = put(put(p, ",\"min\":"), f.smallest);
    p = put(p, ",\"segments\":[");
    for (std::size_t k = 0; k < f.segments.size(); ++k) {
        p = putBool(put(p, k ? "," : ""), f.segments[k]);
    }
    p = put(p, "],\"years\":[");
    for (std::size_t i = 0; i < f.years.size(); ++i) {
        p = put(p, i ? ",[" : "[");
        for (std::size_t k = 0; k < f.years[i].size(); ++k) {
            p = put(put(p, k ? ",{\"text\":\"" : "{\"text\":\""), f.years[i][k].year);
            p = put(putBool(put(p, "\",\"visible\":"), f.years[i][k].visible), "}");
        }
        p = put(p, "]");
    }
    return put(p, "]}\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    FILE* in = argc > 1 ? std::fopen(argv[1], "r") : nullptr;
    if (!in) {
        return 1;
    }
    std::string names[core::kAspectCount];
    for (int i = 0; i < core::kAspectCount; ++i) {
        names[i] = core::kAspectNames[static_cast<std::size_t>(i)].toString().toStdString();
    }
    char* line = nullptr;
    std::size_t room = 0;
    static char out[1 << 16];
    char* p = out;
    for (int number = 1; getline(&line, &room, in) > 0; ++number) {
        line[std::strcspn(line, "\n")] = '\0';
        int day = 0;
        int month = 0;
        char yearText[8];
        if (std::sscanf(line, "%d %d %7s", &day, &month, yearText) != 3) {
            return 1;
        }
        const core::Calculation c =
            core::calculate(core::BirthDate{day, month - 1, QString::fromLatin1(yearText)});
        const auto* f = std::get_if<core::Forecast>(&c);
        if (!f) {
            return 1;
        }
        p = put(put(put(put(put(p, "{\"date\":\""), line), "\",\"line\":"), number), ",");
        p = putFigures(putAspects(p, *f, names), *f);
        if (p - out > (1 << 16) - 8192) {
            std::fwrite(out, 1, static_cast<std::size_t>(p - out), stdout);
            p = out;
        }
    }
    std::fwrite(out, 1, static_cast<std::size_t>(p - out), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
