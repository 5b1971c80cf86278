# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a twin of copies of its
# sources that takes in only what brackets gives a caller, by the recipe below.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare ${BINARY}-twin)
file(COPY ${repo}/examples/verdicts.cpp ${repo}/examples/deepest.cpp DESTINATION ${BINARY}-twin)
file(COPY ${repo}/main.cpp DESTINATION ${BINARY}-twin/brackets)
file(WRITE ${BINARY}-twin/brackets/CMakeLists.txt "\
add_library(brackets_validator STATIC EXCLUDE_FROM_ALL main.cpp)
target_compile_features(brackets_validator PRIVATE cxx_std_20)
target_compile_definitions(brackets_validator PRIVATE BRACKETS_NO_MAIN)
target_include_directories(brackets_validator PUBLIC \${CMAKE_CURRENT_SOURCE_DIR})\n")
file(WRITE ${BINARY}-twin/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(verdicts LANGUAGES CXX)
add_subdirectory(brackets)
add_executable(verdicts verdicts.cpp deepest.cpp)
target_link_libraries(verdicts PRIVATE brackets_validator)\n")
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_EXPORT_COMPILE_COMMANDS=OFF -DBRACKETS_BENCHMARKS=ON -DBRACKETS_SANITIZE=ON
	-DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)

# Fails on each entry of the caller's list that the twin's lacks, and each of
# the twin's that the caller's lacks, naming them and where they stand.
function(compare where caller twin)
	set(added ${caller})
	list(REMOVE_ITEM added ${twin})
	set(removed ${twin})
	list(REMOVE_ITEM removed ${caller})
	foreach(change added removed)
		if(${change})
			list(JOIN ${change} "\n  " lines)
			message(SEND_ERROR "in ${where}, brackets ${change}:\n  ${lines}")
		endif()
	endforeach()
endfunction()
# What of a build brackets could change: its cache's entries, but for internal
# ones' values, which hold paths; and the commands of its default target and
# brackets' install script, less quotes and backslashes, as a shell takes them
# away, with the twin's paths put as the caller's.
function(facts build out)
	file(STRINGS ${build}/CMakeCache.txt cache REGEX "^[A-Za-z_]")
	list(TRANSFORM cache REPLACE ":(INTERNAL|STATIC)=.*" "")
	run(${CMAKE_COMMAND} --build ${build} -- -t commands OUTPUT_VARIABLE text)
	file(READ ${build}/brackets/cmake_install.cmake install)
	string(REGEX REPLACE "['\"\\\\]" "" text "${text}${install}")
	string(REGEX REPLACE "['\"\\\\]" "" binary "${BINARY}")
	string(REGEX REPLACE "['\"\\\\]" "" source "${repo}")
	string(REPLACE "${binary}-twin/brackets" "${source}" text "${text}")
	string(REPLACE "${binary}-twin" "${source}/examples" text "${text}")
	string(REPLACE "${binary}-bare" "${binary}" text "${text}")
	string(REPLACE "\n" ";" text "${text}")
	set(${out} ${cache} ${text} PARENT_SCOPE)
endfunction()

# With no build type first, whose warnings land in "warnings" (the others' in
# warnings<type>), then as each build type; the last, Release, is run below.
foreach(type "" Debug RelWithDebInfo MinSizeRel Release)
	run(${CMAKE_COMMAND} -S ${BINARY}-twin -B ${BINARY}-bare ${alike} --no-warn-unused-cli
		-DCMAKE_BUILD_TYPE=${type} OUTPUT_QUIET)
	run(${CMAKE_COMMAND} -S ${repo}/examples -B ${BINARY} ${alike} -DCMAKE_BUILD_TYPE=${type}
		OUTPUT_QUIET ERROR_VARIABLE warnings${type} ECHO_ERROR_VARIABLE)
	facts(${BINARY} caller)
	facts(${BINARY}-bare twin)
	compare("the cache or commands, with -DCMAKE_BUILD_TYPE=${type}" "${caller}" "${twin}")
endforeach()
# CMake warns of each -D variable that nothing read, one to a line indented
# by four spaces, under "Manually-specified variables were not used".
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()

if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
run(${CMAKE_COMMAND} --build ${BINARY})

# The README's run of the caller, as a shell runs it, must print what follows.
file(READ ${repo}/README.md readme)
if(NOT readme MATCHES "\n(\\./verdicts [^\n]*)\n```\n\n```\n([^`]*)")
	message(FATAL_ERROR "README.md shows no run of ./verdicts, then its output")
endif()
execute_process(COMMAND sh -c "${CMAKE_MATCH_1}" WORKING_DIRECTORY ${BINARY}
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT printed STREQUAL CMAKE_MATCH_2)
	message(SEND_ERROR "the caller printed:\n${printed}\nnot:\n${CMAKE_MATCH_2}")
endif()
