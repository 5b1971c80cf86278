# Builds examples/ in BINARY by CXX and TIDY, with brackets' switches all set,
# and names what of brackets' build reaches it, against a bare twin project of
# copies of its sources, given by hand what linking brackets::validator gives.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH repo)
macro(run) # a command whose failure fails the test
	execute_process(COMMAND ${ARGN} COMMAND_ERROR_IS_FATAL ANY)
endmacro()
file(REMOVE_RECURSE ${BINARY} ${BINARY}-bare ${BINARY}-twin)
file(COPY ${repo}/examples/verdicts.cpp ${repo}/examples/deepest.cpp DESTINATION ${BINARY}-twin)
file(WRITE ${BINARY}-twin/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(verdicts LANGUAGES CXX)
add_executable(verdicts verdicts.cpp deepest.cpp)
target_include_directories(verdicts PRIVATE [==[${repo}]==])
target_link_libraries(verdicts PRIVATE
	\"\${CMAKE_BINARY_DIR}/brackets/$<CONFIG>/libbrackets_validator.a\")\n")
set(alike -G "Ninja Multi-Config" -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_CLANG_TIDY=${TIDY}
	-DCMAKE_EXPORT_COMPILE_COMMANDS=OFF -DBRACKETS_BENCHMARKS=ON -DBRACKETS_SANITIZE=ON
	-DBRACKETS_STATIC=ON -DBRACKETS_TESTS=ON)
run(${CMAKE_COMMAND} -S ${BINARY}-twin -B ${BINARY}-bare ${alike} OUTPUT_QUIET)
run(${CMAKE_COMMAND} -S ${repo}/examples -B ${BINARY} ${alike}
	ERROR_VARIABLE warnings ECHO_ERROR_VARIABLE)
# CMake warns of each -D variable that nothing read, one to a line indented
# by four spaces, under "Manually-specified variables were not used".
foreach(switch BENCHMARKS SANITIZE STATIC TESTS)
	if(NOT warnings MATCHES "\n    BRACKETS_${switch}\n")
		message(SEND_ERROR "brackets read its own BRACKETS_${switch}")
	endif()
endforeach()

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
# The caches' entries, but for internal ones' values, which hold paths.
file(STRINGS ${BINARY}/CMakeCache.txt caller REGEX "^[A-Za-z_]")
file(STRINGS ${BINARY}-bare/CMakeCache.txt twin REGEX "^[A-Za-z_]")
list(TRANSFORM caller REPLACE ":(INTERNAL|STATIC)=.*" "")
list(TRANSFORM twin REPLACE ":(INTERNAL|STATIC)=.*" "")
compare("the caller's cache" "${caller}" "${twin}")
# The commands that build verdicts in a configuration, less those of brackets'
# own archive, with the twin's paths put as the caller's.
function(commands build config out)
	run(${CMAKE_COMMAND} --build ${build} --config ${config} -- -t commands verdicts
		OUTPUT_VARIABLE text)
	string(REGEX REPLACE "[^\n]*brackets_validator.dir[^\n]*\n" "" text "${text}")
	string(REPLACE "${BINARY}-twin" "${repo}/examples" text "${text}")
	string(REPLACE "${BINARY}-bare" "${BINARY}" text "${text}")
	string(REPLACE "\n" ";" text "${text}")
	set(${out} "${text}" PARENT_SCOPE)
endfunction()
foreach(config Debug Release RelWithDebInfo)
	commands(${BINARY} ${config} caller)
	commands(${BINARY}-bare ${config} twin)
	compare("verdicts' ${config} commands" "${caller}" "${twin}")
endforeach()

if(EXISTS ${BINARY}/compile_commands.json)
	message(SEND_ERROR "brackets turned on the caller's compile database")
endif()
run(${CMAKE_COMMAND} --build ${BINARY} -- -t commands OUTPUT_VARIABLE all)
run(${CMAKE_COMMAND} --build ${BINARY} -- -t commands verdicts OUTPUT_VARIABLE needed)
if(NOT all STREQUAL needed)
	message(SEND_ERROR "the build makes more than verdicts needs:\n${all}")
endif()
run(${CMAKE_COMMAND} --build ${BINARY} --config Release)
run(${CMAKE_COMMAND} --install ${BINARY} --config Release
	--prefix ${BINARY}/installed)
file(READ ${BINARY}/install_manifest.txt installed)
if(installed)
	message(SEND_ERROR "brackets installs with the caller:\n${installed}")
endif()

# The README's run of the caller, as a shell runs it, must print what follows.
file(READ ${repo}/README.md readme)
if(NOT readme MATCHES "\n(\\./verdicts [^\n]*)\n```\n\n```\n([^`]*)")
	message(FATAL_ERROR "README.md shows no run of ./verdicts, then its output")
endif()
execute_process(COMMAND sh -c "${CMAKE_MATCH_1}" WORKING_DIRECTORY ${BINARY}/Release
	OUTPUT_VARIABLE printed COMMAND_ERROR_IS_FATAL ANY)
if(NOT printed STREQUAL CMAKE_MATCH_2)
	message(SEND_ERROR "the caller printed:\n${printed}\nnot:\n${CMAKE_MATCH_2}")
endif()
