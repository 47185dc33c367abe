// Prints how long a settings save and load take: 42 keys written one call at a time, the same keys
// written by one object in one go, and 59 keys read by one object.

#include "platform/profile_file.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kRounds = 20;

struct Key
{
    QString section;
    QString key;
};

QList<Key> SavedKeys()
{
    QList<Key> keys = {{"Interface", "Port"}, {"Interface", "Baudrate"}, {"Data", "SelectAll"}};
    for (int page = 1; page <= 17; ++page)
        keys.append(Key{"Data", QStringLiteral("SelectP%1").arg(page)});
    keys.append(Key{"Data", "Format"});
    for (int page = 1; page <= 17; ++page)
        keys.append(Key{"Data", QStringLiteral("P%1").arg(page)});
    keys.append({{"Data", "CarrierIDLength"}, {"Data", "CarrierID"}, {"Data", "UID"}});
    keys.append(Key{"Terminal", "Send"});
    return keys;
}

template <typename Work> double MillisecondsPerRound(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < kRounds; ++round)
        work(round);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / kRounds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath("Orvane.ini");
    const QList<Key> keys = SavedKeys();

    const double oneByOne = MillisecondsPerRound([&](int round) {
        for (const Key& k : keys)
            ProfileFile::WriteString(path, k.section, k.key, QString::number(round));
    });
    const double batch = MillisecondsPerRound([&](int round) {
        ProfileFile file(path);
        for (const Key& k : keys)
            file.Write(k.section, k.key, QString::number(round));
        file.Save();
    });
    const double load = MillisecondsPerRound([&](int) {
        ProfileFile file(path);
        for (const Key& k : keys)
            file.Read(k.section, k.key);
        for (int page = 1; page <= 17; ++page)
            file.Read("Data", QStringLiteral("P%1Default").arg(page));
    });
    std::printf("save, %lld keys one call each: %8.3f ms\n", static_cast<long long>(keys.size()),
                oneByOne);
    std::printf("save, %lld keys in one write:  %8.3f ms\n", static_cast<long long>(keys.size()),
                batch);
    std::printf("load, %lld keys from one read: %8.3f ms\n",
                static_cast<long long>(keys.size() + 17), load);
    return 0;
}
