// The JVM's side of the all-classes benchmark: every class of the runtime image looked up
// and its public members listed, through the platform's own reflection.
import java.net.URI;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;

public class AllClasses {
    public static void main(String[] args) throws Exception {
        long start = System.nanoTime();
        Path modules = FileSystems.getFileSystem(URI.create("jrt:/")).getPath("/modules");
        List<String> names;
        try (Stream<Path> files = Files.walk(modules)) {
            names = files.map(p -> modules.relativize(p).toString())
                         .filter(f -> f.endsWith(".class") && !f.endsWith("module-info.class"))
                         .map(f -> f.substring(f.indexOf('/') + 1, f.length() - 6).replace('/', '.'))
                         .collect(Collectors.toList());
        }
        long lines = 0, failures = 0;
        ClassLoader loader = ClassLoader.getSystemClassLoader();
        for (String name : names) {
            try {
                Class<?> c = Class.forName(name, false, loader);
                StringBuilder out = new StringBuilder();
                for (var k : c.getConstructors()) { out.append(k).append('\n'); ++lines; }
                for (var m : c.getMethods()) { out.append(m).append('\n'); ++lines; }
            } catch (Throwable e) {
                ++failures;
            }
        }
        System.out.printf("%d classes, %d signature lines, %d not loadable, %.1f ms%n", names.size(), lines, failures,
                          (System.nanoTime() - start) / 1e6);
    }
}
