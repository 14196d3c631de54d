# SPDX-License-Identifier: GPL-3.0-or-later
# A fault of GCC's type-based alias analysis (GCC 12.2 at -O2 and above): it moves the read of
# a field of a large aggregate ahead of the block copy that assigns the aggregate, when the
# aggregate holds a char array and comes by value from a function the optimiser cannot see
# into. After `records.tables = ParseScoreTables(...)` (records/score_file.cpp) the read of
# `records.tables[level][0].score` returned the old score. The probe below is that pattern; a
# compiler that gets it wrong builds the target with the copy with -fno-strict-aliasing, one
# that gets it right keeps the analysis everywhere.
if(NOT DEFINED CACHE{COBBLEWELL_AGGREGATE_COPY_FAULT})
    try_run(probe_exit probe_compiled
        SOURCE_FROM_CONTENT aggregate_copy_probe.cpp [[
#include <array>
#include <cstdint>
struct Entry { char name[40]; std::int32_t score, generation, time; };
using Tables = std::array<std::array<Entry, 10>, 3>;
struct State { Tables tables; };
__attribute__((noipa)) Tables Parse(int score) {
    Tables tables{};
    tables[0][0].score = score;
    return tables;
}
__attribute__((noipa)) int FirstScore(State& state) {
    state.tables = Parse(7);
    return state.tables[0][0].score;
}
int main() {
    static State state{};
    state.tables[0][0].score = 99;
    return FirstScore(state) == 7 ? 0 : 1;
}
]]
        COMPILE_DEFINITIONS -O2)
    # The fault shows as exit code 1; a probe that does not build or run proves nothing.
    if(probe_compiled AND probe_exit STREQUAL "1")
        set(fault TRUE)
        message(STATUS "Aggregate copy probe: ${CMAKE_CXX_COMPILER_ID} "
            "${CMAKE_CXX_COMPILER_VERSION} reads a field before the copy; "
            "building the records with -fno-strict-aliasing")
    else()
        set(fault FALSE)
        message(STATUS "Aggregate copy probe: no fault")
    endif()
    set(COBBLEWELL_AGGREGATE_COPY_FAULT ${fault} CACHE INTERNAL
        "The compiler misorders reads after aggregate copies at -O2")
endif()

# Turns the analysis off for `target` alone, where the compiler has the fault.
function(cobblewell_avoid_aggregate_copy_fault target)
    if(COBBLEWELL_AGGREGATE_COPY_FAULT)
        target_compile_options(${target} PRIVATE -fno-strict-aliasing)
    endif()
endfunction()
