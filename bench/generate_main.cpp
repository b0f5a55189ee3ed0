// orvelia-bench-gen DIR --lavoratori N --lavori M --anno YYYY [--seme S]
// Writes DIR/Brenzo.pro and DIR/YYYY.lav for the timing runs and prints the
// codice fiscale of the worker with the most works.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include <QString>

#include "generator.h"

namespace {

const char* const kUsage =
    "Uso: orvelia-bench-gen CARTELLA --lavoratori N --lavori M --anno AAAA [--seme S]\n";

template <typename T> std::optional<T> number(const char* text) {
    T value{};
    const std::string_view s(text);
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char** argv) {
    orvelia::bench::ArchiveSizes sizes;
    const char* folder = nullptr;
    bool haveWorkers = false, haveWorks = false, haveYear = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        const bool option = arg == "--lavoratori" || arg == "--lavori" || arg == "--anno" || arg == "--seme";
        if (!option) {
            if (folder || arg.starts_with("-")) {
                std::fprintf(stderr, "Argomento non previsto: %s\n%s", argv[i], kUsage);
                return 2;
            }
            folder = argv[i];
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "Manca il valore di %s\n%s", argv[i], kUsage);
            return 2;
        }
        const char* value = argv[++i];
        bool good = false;
        if (arg == "--seme") {
            const auto v = number<std::uint64_t>(value);
            good = v.has_value();
            sizes.seed = v.value_or(0);
        } else if (arg == "--anno") {
            const auto v = number<int>(value);
            good = v && *v >= 1000 && *v <= 9999;
            sizes.year = v.value_or(0);
            haveYear = true;
        } else {
            const auto v = number<std::int64_t>(value);
            good = v && *v >= 0;
            (arg == "--lavori" ? sizes.works : sizes.workers) = v.value_or(0);
            (arg == "--lavori" ? haveWorks : haveWorkers) = true;
        }
        if (!good) {
            std::fprintf(stderr, "Valore non valido per %s: %s\n", argv[i - 1], value);
            return 2;
        }
    }
    if (!folder || !haveWorkers || !haveWorks || !haveYear) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (sizes.works > 0 && sizes.workers == 0) {
        std::fputs("Per scrivere dei lavori serve almeno un lavoratore.\n", stderr);
        return 2;
    }

    const auto result = orvelia::bench::generateArchives(QString::fromLocal8Bit(folder), sizes);
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", result.error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("cf-frequente=%s\n", result.frequentCodiceFiscale.toLatin1().constData());
    return 0;
}
