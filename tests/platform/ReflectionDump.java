// Prints what the platform's own reflection says of classes, for comparison with the C++
// class library reader. Output: "@home JAVA_HOME", then per class "# NAME" followed by
// Constructor.toString() of each public constructor and Method.toString() of each public
// method, one a line; "! NAME EXCEPTION" when the class cannot be loaded.
//
//   java ReflectionDump.java jdk                    every class of every exported package
//                                                   of the modules the JVM resolved
//   java ReflectionDump.java dir DIRECTORY          every class of a class directory
//   java ReflectionDump.java names NAME...          the named classes of the JDK

import java.io.BufferedWriter;
import java.io.OutputStreamWriter;
import java.lang.module.ModuleDescriptor;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.net.URI;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.nio.file.FileSystem;
import java.nio.file.FileSystems;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.TreeSet;
import java.util.stream.Stream;

public class ReflectionDump {
    public static void main(String[] args) throws Exception {
        BufferedWriter out = new BufferedWriter(new OutputStreamWriter(System.out, StandardCharsets.UTF_8), 1 << 16);
        out.write("@home " + System.getProperty("java.home") + "\n");
        if (args.length >= 1 && args[0].equals("jdk")) {
            dump(out, exportedClasses(), ClassLoader.getSystemClassLoader());
        } else if (args.length >= 2 && args[0].equals("dir")) {
            URL[] urls = {Path.of(args[1]).toUri().toURL()};
            try (URLClassLoader loader = new URLClassLoader(urls, ClassLoader.getPlatformClassLoader())) {
                dump(out, classesIn(Path.of(args[1])), loader);
            }
        } else if (args.length >= 2 && args[0].equals("names")) {
            dump(out, List.of(args).subList(1, args.length), ClassLoader.getSystemClassLoader());
        } else {
            System.err.println("usage: ReflectionDump jdk | dir DIRECTORY | names NAME...");
            System.exit(2);
        }
        out.flush();
    }

    // Binary names of the classes in the unqualified exports of every module of the boot layer.
    static List<String> exportedClasses() throws Exception {
        FileSystem jrt = FileSystems.getFileSystem(URI.create("jrt:/"));
        TreeSet<String> names = new TreeSet<>();
        for (Module module : ModuleLayer.boot().modules()) {
            for (ModuleDescriptor.Exports exports : module.getDescriptor().exports()) {
                if (exports.isQualified())
                    continue;
                Path dir = jrt.getPath("/modules", module.getName(), exports.source().replace('.', '/'));
                try (Stream<Path> files = Files.list(dir)) {
                    files.map(p -> p.getFileName().toString())
                         .filter(f -> f.endsWith(".class") && !f.equals("module-info.class"))
                         .forEach(f -> names.add(exports.source() + "." + f.substring(0, f.length() - 6)));
                }
            }
        }
        return new ArrayList<>(names);
    }

    // Binary names of the class files under a directory.
    static List<String> classesIn(Path root) throws Exception {
        TreeSet<String> names = new TreeSet<>();
        try (Stream<Path> files = Files.walk(root)) {
            files.map(p -> root.relativize(p).toString())
                 .filter(f -> f.endsWith(".class") && !f.endsWith("module-info.class"))
                 .forEach(f -> names.add(f.substring(0, f.length() - 6).replace('/', '.')));
        }
        return new ArrayList<>(names);
    }

    static void dump(BufferedWriter out, List<String> names, ClassLoader loader) throws Exception {
        for (String name : names) {
            Class<?> c;
            Constructor<?>[] constructors;
            Method[] methods;
            try {
                c = Class.forName(name, false, loader);
                constructors = c.getConstructors();
                methods = c.getMethods();
            } catch (Throwable e) {
                out.write("! " + name + " " + e + "\n");
                continue;
            }
            out.write("# " + name + "\n");
            for (Constructor<?> k : constructors)
                out.write(k + "\n");
            for (Method m : methods)
                out.write(m + "\n");
        }
    }
}
