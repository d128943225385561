// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - what every benchmark program prints its figures with.
#pragma once

#include <QTextStream>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

// The report, on standard output (Qt's own warnings go to standard error).
inline QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The value below which the share p (0 to 1) of the values lie.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}
