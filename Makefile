.PHONY: run test bench fuzz
run:
	./run.sh
test:
	./test.sh
bench:
	scripts/bench.sh
fuzz:
	scripts/fuzz.sh 60
