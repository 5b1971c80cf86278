# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a twin of copies of its
# sources that takes in only what brackets gives a caller, by the recipe below.
# Compared after each configure, line by line: what it printed; each file in
# the build and source folders, by name and content, which include every target
# (--graphviz) and the tests a caller that enables testing gets; the caller's
# variables and commands; the default target's commands.  Unseen: what none of
# these shows, such as an imported target that nothing links, a global property,
# a file written elsewhere, or one more copy of a line the twin has too.
cmake_minimum_required(VERSION 3.25)
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare ${BINARY}-twin)
set(ENV{CMAKE_CONFIG_DIR} ${BINARY}-twin) # no user's file-API query writes in either
file(COPY ${repo}/main.cpp ${repo}/examples DESTINATION ${BINARY}-twin)
file(WRITE ${BINARY}-twin/CMakeLists.txt "\
add_library(brackets_validator STATIC EXCLUDE_FROM_ALL main.cpp)
add_library(brackets::validator ALIAS brackets_validator)
target_compile_features(brackets_validator PRIVATE cxx_std_20)
target_compile_definitions(brackets_validator PRIVATE BRACKETS_NO_MAIN)
target_include_directories(brackets_validator PUBLIC \${CMAKE_CURRENT_SOURCE_DIR})\n")
# Read after each project(): testing is enabled; once the caller's directory and
# its deferred calls are done, its variables with values, then its commands; of a
# cache entry, held by the cache, only a variable over it, as reading it counts as
# using a switch.
file(WRITE ${BINARY}-scope.cmake [[
enable_testing()
function(scope)
	cmake_language(DEFER GET_CALL_IDS queued)
	if(queued) # a call deferred from a deferred call, as brackets could, comes first
		cmake_language(DEFER CALL scope)
		return()
	endif()
	get_cmake_property(names VARIABLES) # sorted, with such a name twice
	foreach(name IN LISTS names)
		if(NOT DEFINED CACHE{${name}} OR name STREQUAL previous)
			string(APPEND text "${name}=${${name}}\n")
		endif()
		set(previous ${name})
	endforeach()
	get_cmake_property(commands COMMANDS)
	list(JOIN commands "\n" commands)
	file(WRITE ${CMAKE_BINARY_DIR}/scope.txt "${text}${commands}\n")
endfunction()
cmake_language(DEFER CALL scope)
]])
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_PROJECT_INCLUDE=${BINARY}-scope.cmake -DBRACKETS_BENCHMARKS=ON
	-DBRACKETS_SANITIZE=ON -DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)
# What configuring FOLDER in BUILD shows, line by line: its output, less durations;
# every file in both, less the compiler's identification and CMake's logs, which
# vary by run; the default target's commands.  Less quotes, backslashes, square
# brackets (they join list items) and ninja's escapes; the twin's paths as the
# caller's; the lists of files configure read, sorted by path, word by word.
string(REGEX REPLACE "[]['\"\\\\]" "" binary "${BINARY}")
string(REGEX REPLACE "[]['\"\\\\]" "" source "${repo}")
function(facts out folder build)
	run(${CMAKE_COMMAND} -S ${folder} -B ${build} ${alike} ${ARGN} --graphviz=${build}/targets.dot
		OUTPUT_VARIABLE text ERROR_VARIABLE warned ECHO_ERROR_VARIABLE)
	file(GLOB_RECURSE files ${build}/* ${folder}/*)
	list(JOIN files "\n" names)
	string(REGEX REPLACE " \\([0-9.]+s\\)\n" "\n" text "${text}${warned}${names}")
	list(FILTER files EXCLUDE REGEX "/CMakeFiles/([0-9][^/]*/|[^/]*\\.(log|yaml)$)")
	foreach(file IN LISTS files)
		file(READ ${file} part)
		string(APPEND text "\n${part}")
	endforeach()
	run(${CMAKE_COMMAND} --build ${build} -- -t commands OUTPUT_VARIABLE commands)
	string(REGEX REPLACE "\\$([ :$])" "\\1" text "${text}${commands}")
	string(REGEX REPLACE "[]['\"\\\\]" "" text "${text}")
	string(REPLACE "${binary}-twin" "${source}" text "${text}")
	string(REPLACE "${binary}-bare" "${binary}" text "${text}")
	string(REPLACE ";" "$<SEMICOLON>" text "${text}")
	string(REPLACE "\n" ";" text "${text}")
	list(TRANSFORM text REPLACE " " ";" REGEX "^build .*CMakeLists\\.txt")
	set(${out} ${text} PARENT_SCOPE)
endfunction()

# With no build type first, then as each build type, the last built and run
# below; what either side holds alone is named.
foreach(type "" Debug RelWithDebInfo MinSizeRel Release)
	facts(twin ${BINARY}-twin/examples ${BINARY}-bare -DCMAKE_BUILD_TYPE=${type})
	facts(caller ${repo}/examples ${BINARY} -DCMAKE_BUILD_TYPE=${type})
	set(added ${caller})
	list(REMOVE_ITEM added ${twin})
	set(removed ${twin})
	list(REMOVE_ITEM removed ${caller})
	foreach(change added removed)
		if(${change})
			list(JOIN ${change} "\n  " shown)
			string(REPLACE "$<SEMICOLON>" ";" shown "${shown}")
			message(SEND_ERROR
				"CMAKE_BUILD_TYPE=${type}: brackets ${change}:\n  ${shown}")
		endif()
	endforeach()
endforeach()
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
