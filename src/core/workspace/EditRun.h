// One editing run on a database, and how its changes go onto a file that
// another program (another copy of Tilvex, tilvex-cli) rewrote meanwhile.
//
// At the start of a run the database's records are noted by instance
// number: their names and the digests of their contents.  At its end the
// run's changes are what differs: records added (new instance numbers),
// deleted (numbers gone) and edited (another digest; a rename is an edit).
// Applied to the records read again from the file, matched by the names
// they had before the run, each change goes in where the other program left
// that record as it was; where both changed the same record, `keepOurs`
// decides (true: this run's version).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/framework/Cp1252.h"

template <class T>
class CEditRun {
public:
    using Records = std::vector<std::unique_ptr<T>>;
    // Asked with the record's name (Windows-1252): keep this run's version?
    using KeepOurs = std::function<bool(const std::string& name)>;

    explicit CEditRun(const Records& before) {
        m_before.reserve(before.size());
        for (const auto& record : before)
            m_before.emplace(record->InstanceId(), Noted{record->GetName(), record->ContentDigest()});
    }

    // Whether `after` differs from the records noted at the start.
    bool Changed(const Records& after) const {
        if (after.size() != m_before.size())
            return true;
        for (const auto& record : after) {
            auto it = m_before.find(record->InstanceId());
            if (it == m_before.end() || it->second.digest != record->ContentDigest())
                return true;
        }
        return false;
    }

    // This run's changes (the records now in `after`) applied to `disk`.
    Records MergeOnto(const Records& after, Records disk, const KeepOurs& keepOurs) const {
        std::unordered_map<std::uint64_t, const T*> now;
        now.reserve(after.size());
        for (const auto& record : after)
            now.emplace(record->InstanceId(), record.get());

        // The other side's records by folded name (the first of a name).
        std::unordered_map<std::string, std::size_t> byName;
        byName.reserve(disk.size());
        for (std::size_t i = 0; i < disk.size(); ++i)
            byName.emplace(FoldCaseAZ(disk[i]->GetName()), i);
        auto find = [&](const std::string& name) -> std::unique_ptr<T>* {
            auto it = byName.find(FoldCaseAZ(name));
            return it == byName.end() || !disk[it->second] ? nullptr : &disk[it->second];
        };
        std::vector<std::unique_ptr<T>> appended;

        for (const auto& [id, noted] : m_before) {
            auto current = now.find(id);
            std::unique_ptr<T>* theirs = find(noted.name);
            const bool theyKept = theirs && (*theirs)->ContentDigest() == noted.digest;
            if (current == now.end()) {
                // Deleted here.
                if (theirs && (theyKept || keepOurs(noted.name)))
                    theirs->reset();
                continue;
            }
            const T& ours = *current->second;
            if (ours.ContentDigest() == noted.digest)
                continue;  // unchanged here
            // Edited here (perhaps renamed).
            if (theirs && (*theirs)->ContentDigest() == ours.ContentDigest())
                continue;  // the same edit there
            if (theyKept || keepOurs(ours.GetName())) {
                // A record of the new name there gives way to this one.
                if (!EqualNoCaseAZ(ours.GetName(), noted.name))
                    if (std::unique_ptr<T>* clash = find(ours.GetName()); clash && clash != theirs)
                        clash->reset();
                if (theirs)
                    *theirs = std::make_unique<T>(ours);
                else
                    appended.push_back(std::make_unique<T>(ours));
            }
        }
        for (const auto& record : after) {
            if (m_before.count(record->InstanceId()))
                continue;
            // Added here.
            std::unique_ptr<T>* theirs = find(record->GetName());
            if (!theirs) {
                appended.push_back(std::make_unique<T>(*record));
            } else if ((*theirs)->ContentDigest() != record->ContentDigest() && keepOurs(record->GetName())) {
                *theirs = std::make_unique<T>(*record);
            }
        }
        Records merged;
        merged.reserve(disk.size() + appended.size());
        for (auto& record : disk)
            if (record)
                merged.push_back(std::move(record));
        for (auto& record : appended)
            merged.push_back(std::move(record));
        return merged;
    }

private:
    struct Noted {
        std::string name;
        std::uint64_t digest;
    };
    std::unordered_map<std::uint64_t, Noted> m_before;
};
