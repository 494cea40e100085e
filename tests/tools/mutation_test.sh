#!/usr/bin/env bash
# The mutation tool on a project of two functions, one tested and one not: a mutant of the
# tested one must show as killed, by the test that caught it, and one of the other as survived,
# without running the test, which never reaches that line.
set -euo pipefail
tool=$(cd "$(dirname "$0")/../.." && pwd)/tools/mutation.py
project=$(mktemp -d)
trap 'rm -rf "$project"' EXIT
cd "$project"
cat >CMakePresets.json <<'JSON'
{ "version": 6, "configurePresets": [ { "name": "dev", "generator": "Ninja",
  "binaryDir": "${sourceDir}/build/dev" } ] }
JSON
cat >CMakeLists.txt <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(planted CXX)
enable_testing()
add_library(calc STATIC calc.cpp)
add_executable(sum_test sum_test.cpp)
target_link_libraries(sum_test calc)
add_test(NAME sum_test COMMAND sum_test)
CMAKE
printf '%s\n' 'int add(int a, int b) { return a + b; }' 'int twice(int a) { return a * 2; }' >calc.cpp
printf '%s\n' 'int add(int, int);' 'int main() { return add(2, 3) == 5 ? 0 : 1; }' >sum_test.cpp
python3 "$tool" --build build/mutation calc.cpp >report 2>log || { cat log report; exit 1; }
grep -qx '| calc.cpp | 3 | 1 | 2 | 0 | 1 |' report || { cat report; exit 1; }
grep -qx '  sum_test: 1' report || { cat report; exit 1; }
grep -qx '    calc.cpp:1:34:+ -> -' report || { cat report; exit 1; }
grep -qx '  calc.cpp:2:31:2 -> 3' report || { cat report; exit 1; }
results=build/mutation/mutation-results.jsonl
grep -q '"ran": \["sum_test"\].*"id": "calc.cpp:1:34:+ -> -"' $results || { cat $results; exit 1; }
grep -q '"ran": \[\].*"id": "calc.cpp:2:31:2 -> 3"' $results || { cat $results; exit 1; }
# --ids keeps to the mutants named.
echo 'calc.cpp:2:31:2 -> 3' >ids
python3 "$tool" --build build/mutation --report --ids ids calc.cpp >report
grep -qx '| calc.cpp | 1 | 0 | 1 | 0 | 0 |' report || { cat report; exit 1; }
# Every file is as it was.
[ "$(sed -n 1p calc.cpp)" = 'int add(int a, int b) { return a + b; }' ]
[ "$(sed -n 2p calc.cpp)" = 'int twice(int a) { return a * 2; }' ]
echo "mutation tool: planted mutants found as expected"
