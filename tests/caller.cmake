# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# against a twin of copies of its sources that takes in only what brackets gives
# a caller (the recipe below), with no build type, then as each, and names what
# either holds alone, line by line, after each configure: its output; the files in
# the build folder, which hold every target, an imported one if linked (--graphviz);
# the files in the caller's folder; the caller's variables and commands; the
# imported targets and tests of its folder and brackets'; the default target's
# commands.  Unseen: what none of these shows, such as a property nothing reads,
# an empty folder, a line repeated or moved, a file written elsewhere or changed by
# an earlier run, an alias of an imported target, a folder below brackets'.
cmake_minimum_required(VERSION 3.25)
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare ${BINARY}-twin)
set(ENV{CMAKE_CONFIG_DIR} ${BINARY}-twin) # no user's file-API query writes in either
file(COPY ${repo}/main.cpp DESTINATION ${BINARY}-twin)
file(COPY ${repo}/examples/CMakeLists.txt ${repo}/examples/verdicts.cpp
	${repo}/examples/deepest.cpp DESTINATION ${BINARY}-twin/examples)
file(WRITE ${BINARY}-twin/CMakeLists.txt "\
add_library(brackets_validator STATIC EXCLUDE_FROM_ALL main.cpp)
add_library(brackets::validator ALIAS brackets_validator)
target_compile_features(brackets_validator PRIVATE cxx_std_20)
target_compile_definitions(brackets_validator PRIVATE BRACKETS_NO_MAIN)
target_include_directories(brackets_validator PUBLIC \${CMAKE_CURRENT_SOURCE_DIR})\n")
# Read after each project(): scope() writes what the caller ends with, after its
# deferred calls; of a cache entry, only a variable over it: reading a switch uses it.
file(WRITE ${BINARY}-scope.cmake [[
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
	get_directory_property(folders SUBDIRECTORIES)
	foreach(folder IN LISTS folders ITEMS ${CMAKE_SOURCE_DIR})
		get_directory_property(imported DIRECTORY ${folder} IMPORTED_TARGETS)
		get_directory_property(tests DIRECTORY ${folder} TESTS) # enabled or not
		string(APPEND text "imported: ${imported}\ntests: ${tests}\n")
	endforeach()
	file(WRITE ${CMAKE_BINARY_DIR}/scope.txt "${text}${commands}\n")
endfunction()
cmake_language(DEFER CALL scope)
]])
set(alike -G Ninja -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_PROJECT_INCLUDE=${BINARY}-scope.cmake -DBRACKETS_BENCHMARKS=ON
	-DBRACKETS_SANITIZE=ON -DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)
# Configures FOLDER in BUILD and gives what it shows, less what varies by run
# (durations, the compiler's identification, CMake's logs), quotes, backslashes,
# square brackets (they join list items) and ninja's escapes; the twin's paths as
# the caller's; the lists of files configure read, sorted by path, word by word.
string(REGEX REPLACE "[]['\"\\\\]" "" binary "${BINARY}")
string(REGEX REPLACE "[]['\"\\\\]" "" source "${repo}")
function(facts out folder build)
	run(${CMAKE_COMMAND} -S ${folder} -B ${build} --graphviz=${build}/targets ${alike} ${ARGN}
		OUTPUT_VARIABLE text ERROR_VARIABLE warned ECHO_ERROR_VARIABLE)
	string(REPLACE "[" "[[]" patterns "${build}/*;${folder}/*") # a [ in a path is no set
	file(GLOB_RECURSE files ${patterns})
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
			message(SEND_ERROR "build type '${type}': brackets ${change}:\n  ${shown}")
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
