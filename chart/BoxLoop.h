#pragma once

#include "ChartLayout.h"
#include "SheetOperation.h"

#include <cmath>
#include <cstdint>

namespace chart {

// The chart's boxes, oldest generation first, and the right-edge lines that
// join each column's boxes from the first to the last, statement by
// statement under the build run's step numbers (150 to 196). Every statement
// of the loop's own goes through run(step, statement), which answers whether
// it succeeded; the sheet operations (170 to 178, 184) go to takeOperation(operation).
// Outside the build run nothing fails; the run passes its trapped handler, so
// a failing statement is reported and its effect lost: a failing test counts
// as holding, and a failing Next leaves its loop.
template <typename Run, typename TakeOperation>
void runBoxLoop(long long columns, Run&& run, TakeOperation&& takeOperation) {
    const auto box = [&](int step, std::int32_t row, std::int32_t column, SheetMember member, std::int16_t value,
                         std::int16_t border = 0) {
        takeOperation(SheetOperation{step,
                                     SheetTarget::Cell,
                                     {row, column, kNoText},
                                     member,
                                     border,
                                     {SheetValue::Kind::Number, kNoText, value}});
    };
    namespace xl = spreadsheet::xl;

    std::int32_t column = 0;
    long long offset = 0;
    long long previousOffset = 0;
    long long spacing = 0;
    std::int32_t boxCount = 0;
    std::int32_t row = 0;
    run(150, [&] { column = kFirstBoxColumn; });
    run(152, [&] { offset = 0; });
    run(154, [&] { previousOffset = 1; });
    run(156, [&] { spacing = 2; });
    run(158, [] {}); // for each generation, the oldest first
    for (long long g = columns - 1; g >= 0; --g) {
        run(160, [&] { boxCount = static_cast<std::int32_t>(std::llround(MyPower(2, static_cast<double>(g)))); });
        run(162, [&] { offset += previousOffset; });
        run(164, [&] { previousOffset = offset; });
        run(166, [&] { row = static_cast<std::int32_t>(offset + kFirstBoxRowOffset); });
        run(168, [] {}); // for each box of the column
        for (std::int32_t b = 1; b <= boxCount; ++b) {
            box(170, row, column, SheetMember::InteriorColorIndex, kBoxColorIndex);
            box(172, row, column, SheetMember::BorderLineStyle, xl::kContinuous, xl::kEdgeLeft);
            box(174, row, column, SheetMember::BorderLineStyle, xl::kContinuous, xl::kEdgeTop);
            box(176, row, column, SheetMember::BorderLineStyle, xl::kContinuous, xl::kEdgeBottom);
            box(178, row, column, SheetMember::BorderLineStyle, xl::kContinuous, xl::kEdgeRight);
            bool joinsNext = true;
            run(180, [&] { joinsNext = b < boxCount; });
            if (joinsNext) {
                run(182, [] {}); // for each row from this box to the next
                for (long long r = row; r <= row + spacing; ++r) {
                    box(184, static_cast<std::int32_t>(r), column, SheetMember::BorderLineStyle, xl::kContinuous,
                        xl::kEdgeRight);
                    if (!run(186, [] {})) break;
                }
            }
            run(188, [&] { row += static_cast<std::int32_t>(spacing); });
            if (!run(190, [] {})) break;
        }
        run(192, [&] { spacing *= 2; });
        run(194, [&] { ++column; });
        if (!run(196, [] {})) break;
    }
}

// Runs a statement of the box loop where nothing can fail.
inline constexpr auto kPlainStatement = [](int, auto&& statement) {
    statement();
    return true;
};

} // namespace chart
