# The phases of scripts/test and what each waits for; make runs them side by side wherever nothing
# orders them, and a phase whose prerequisite failed does not run. Most of the Windows tests' time is
# waiting, so the work that only needs the processor (the sanitizers' and fuzz builds, clang-tidy, the
# checks as Windows builds, the release check) runs at a lower priority and fills it.
L := build/test-logs
PHASE := scripts/phase $(L)
PHASES := bootstrap build-windows test-windows build-windows-clang test-windows-clang build-native-sanitize \
          test-native-sanitize build-fuzz test-fuzz build-native release-clone check-release check-workflow tidy check-as-windows

all: $(patsubst %,$(L)/%.ok,$(PHASES))
phases: ; @echo $(PHASES)

# The rest of the packages (Wine, the displays, the fonts, the linters) installs while the builds run.
$(L)/bootstrap.ok: ; @$(PHASE) bootstrap scripts/bootstrap

$(L)/build-windows.ok: ; @$(PHASE) build-windows scripts/build windows
$(L)/test-windows.ok: $(L)/build-windows.ok $(L)/bootstrap.ok ; @$(PHASE) test-windows ctest --preset windows
$(L)/build-windows-clang.ok: ; @$(PHASE) build-windows-clang scripts/build windows-clang
$(L)/test-windows-clang.ok: $(L)/build-windows-clang.ok $(L)/bootstrap.ok
	@$(PHASE) test-windows-clang ctest --preset windows-clang

# The unit tests run once, in the sanitizers' build (clang++). The plain native build compiles them
# with g++ too, whose warnings clang does not give (and which stop a build as errors); the core is also
# compiled with GCC's warnings in the Windows build. One build at a time.
$(L)/build-native-sanitize.ok: ; @$(PHASE) build-native-sanitize nice scripts/build native-sanitize
$(L)/test-native-sanitize.ok: $(L)/build-native-sanitize.ok
	@$(PHASE) test-native-sanitize nice ctest --preset native-sanitize
$(L)/build-fuzz.ok: $(L)/test-native-sanitize.ok ; @$(PHASE) build-fuzz nice scripts/build fuzz
$(L)/test-fuzz.ok: $(L)/build-fuzz.ok ; @$(PHASE) test-fuzz nice ctest --preset fuzz -j 3
$(L)/build-native.ok: $(L)/test-fuzz.ok ; @$(PHASE) build-native nice scripts/build native

# The release check compares the Windows build above, of this clean clone, with a clone of its own
# built meanwhile.
$(L)/release-clone.ok: ; @$(PHASE) release-clone nice scripts/check-release --prepare build/release-clone
$(L)/check-release.ok: $(L)/release-clone.ok $(L)/build-windows.ok
	@$(PHASE) check-release nice scripts/check-release --against build/windows --second build/release-clone

$(L)/check-workflow.ok: $(L)/bootstrap.ok ; @$(PHASE) check-workflow scripts/check-workflow
# Both read the compile database that the Clang build configures.
$(L)/tidy.ok: $(L)/build-windows-clang.ok $(L)/bootstrap.ok ; @$(PHASE) tidy nice scripts/tidy
$(L)/check-as-windows.ok: $(L)/build-windows-clang.ok $(L)/bootstrap.ok
	@$(PHASE) check-as-windows nice scripts/check-as-windows

.PHONY: all phases
