#include "journal_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <random>
#include <vector>

namespace qm::journalgen {

namespace {

constexpr std::array kTasks = {
    "Réunion",
    "Développement",
    "Études",
    "Téléphone",
    "Rédaction",
    "Préparation",
    "Contrôle",
    "Révision",
    "Déplacement",
    "Élaboration",
    "Tests",
    "Intégration",
    "Sécurité",
    "Qualité",
    "Gestion",
};
constexpr std::array kSubjects = {
    "client",
    "équipe",
    "projet Hélios",
    "budget",
    "élèves",
    "fournisseur",
    "dépôt",
    "réseau",
    "pièces",
    "événement",
};
constexpr std::array kComments = {
    "client;devis",
    "appel de Mme Lefèvre",
    "suite",
    "urgent",
    "à reprendre",
    "dossier 42",
    "compte rendu",
    "café",
    "prévu hier",
    "relance",
};

struct Day
{
    int julian;
    std::vector<std::string> lines;
};

void civilFromJulian(int julian, int &day, int &month, int &year)
{
    // Fliegel and Van Flandern's conversion, valid for every date the generator writes.
    int l = julian + 68569;
    const int n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const int i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const int j = 80 * l / 2447;
    day = l - 2447 * j / 80;
    l = j / 11;
    month = j + 2 - 12 * l;
    year = 100 * (n - 49) + i + l;
}

class Generator
{
public:
    explicit Generator(const GeneratorOptions &options)
        : m_options(options)
        , m_random(options.seed)
    {
        for (const char *task : kTasks) {
            for (const char *subject : kSubjects)
                m_activities.push_back(std::string(task) + ' ' + subject);
        }
        // Some activities are far more frequent than others.
        std::vector<double> weights;
        for (std::size_t i = 0; i < m_activities.size(); ++i)
            weights.push_back(1.0 / double(i + 1));
        std::shuffle(m_activities.begin(), m_activities.end(), m_random);
        m_pick = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
    }

    Day makeDay(int julian, std::int64_t count)
    {
        Day day { julian, {} };
        int d, m, y;
        civilFromJulian(julian, d, m, y);
        char date[40];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", d, m, y);
        std::uniform_int_distribution<int> minutes(5, 150);
        std::uniform_int_distribution<int> comment(0, int(kComments.size()) * 3);
        for (std::int64_t i = 0; i < count; ++i) {
            const int c = comment(m_random);
            std::string line = date;
            line += ", " + std::to_string(minutes(m_random)) + ',' + m_activities[m_pick(m_random)]
                + ',' + (c < int(kComments.size()) ? kComments[std::size_t(c)] : "") + "\r\n";
            day.lines.push_back(std::move(line));
        }
        return day;
    }

    bool run(const std::string &path)
    {
        std::FILE *out = std::fopen(path.c_str(), "wb");
        if (!out)
            return false;
        std::uniform_int_distribution<int> perDay(6, 14);
        std::uniform_int_distribution<int> delay(1, 5);
        std::uniform_real_distribution<double> chance(0, 100);
        std::deque<std::pair<int, Day>> late; // days closed only after `first` more days
        int julian = 2455929; // 2 January 2012
        std::int64_t written = 0;
        bool ok = true;
        auto write = [&](const Day &day) {
            for (const std::string &line : day.lines)
                ok = ok && std::fwrite(line.data(), 1, line.size(), out) == line.size();
        };
        while (written < m_options.entries) {
            // Weekends are mostly free.
            if ((julian + 1) % 7 >= 5 && chance(m_random) < 90) {
                ++julian;
                continue;
            }
            const std::int64_t count
                = std::min<std::int64_t>(perDay(m_random), m_options.entries - written);
            Day day = makeDay(julian++, count);
            written += count;
            if (chance(m_random) < m_options.outOfOrderPercent)
                late.emplace_back(delay(m_random), std::move(day));
            else
                write(day);
            for (auto it = late.begin(); it != late.end();) {
                if (--it->first <= 0) {
                    write(it->second);
                    it = late.erase(it);
                } else {
                    ++it;
                }
            }
        }
        for (const auto &held : late)
            write(held.second);
        return std::fclose(out) == 0 && ok;
    }

private:
    GeneratorOptions m_options;
    std::mt19937_64 m_random;
    std::vector<std::string> m_activities;
    std::discrete_distribution<std::size_t> m_pick;
};

} // namespace

bool generateJournal(const std::string &path, const GeneratorOptions &options)
{
    return Generator(options).run(path);
}

} // namespace qm::journalgen
